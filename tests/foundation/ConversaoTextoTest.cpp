#include <cmath>
#include <limits>
#include <random>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "Utilidade/util.h"

namespace {

std::string pelaStream(double v)
{
    std::ostringstream os;
    os << v;
    return os.str();
}

// A number written for a command must read exactly as the default stream
// formatting writes it, whatever the number.
TEST(ConversaoTexto, DoubleEscritoComoAStreamEscreve)
{
    const double casos[] = {0.0,
                            -0.0,
                            10.0,
                            -0.5,
                            0.1,
                            123.456789,
                            1500000.0,
                            0.00001,
                            0.0001,
                            999999.4,
                            999999.5,
                            1234567.0,
                            0.333333333,
                            -30.0,
                            std::numeric_limits<double>::min(),
                            std::numeric_limits<double>::denorm_min(),
                            std::numeric_limits<double>::max(),
                            -std::numeric_limits<double>::max(),
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()};
    for (double v : casos) {
        EXPECT_EQ(convert_to<std::string>(v), pelaStream(v)) << "for " << v;
    }

    std::mt19937_64 gerador(20261210);
    std::uniform_real_distribution<double> velocidade(-200.0, 200.0);
    std::uniform_int_distribution<int> expoente(-12, 12);
    for (int i = 0; i < 20000; ++i) {
        const double v = velocidade(gerador) * std::pow(10.0, expoente(gerador));
        ASSERT_EQ(convert_to<std::string>(v), pelaStream(v)) << "for " << v;
    }
}

}  // namespace
