#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "atuador/src/ComandoBeam.h"
#include "atuador/src/ComandoMoveHingeJoint.h"
#include "atuador/src/ComandoMoveUniversalJoint.h"
#include "atuador/src/ComandoSay.h"

namespace {

struct CasoTexto {
    std::shared_ptr<Comando> comando;
    const char* esperado;
};

TEST(Comando, TextosDeCadaComando)
{
    const CasoTexto casos[] = {
        {std::make_shared<ComandoMoveHingeJoint>("he1", 0.0), "(he1 0)"},
        {std::make_shared<ComandoMoveHingeJoint>("lle3", 0.333333333), "(lle3 0.333333)"},
        {std::make_shared<ComandoMoveHingeJoint>("rae2", 1234567.0), "(rae2 1.23457e+06)"},
        {std::make_shared<ComandoMoveHingeJoint>("hj2", -12.3456789), "(hj2 -12.3457)"},
        {std::make_shared<ComandoMoveHingeJoint>("he2", 0.0000001), "(he2 1e-07)"},
        {std::make_shared<ComandoBeam>(-30.0, 0.0, 0.0), "(beam -30.0 0.0 0.0)"},
        {std::make_shared<ComandoBeam>(10.0, -1.0, 0.0), "(beam 10.0 -1.0 0.0)"},
        {std::make_shared<ComandoBeam>(45.0, 0.0, 90.0), "(beam 45.0 0.0 90.0)"},
        // A coordinate with a fractional part or an exponent keeps its own
        // text instead of gaining a second decimal point.
        {std::make_shared<ComandoBeam>(-0.5, 2.25, 0.0), "(beam -0.5 2.25 0.0)"},
        {std::make_shared<ComandoBeam>(1234567.0, 0.0, 0.0), "(beam 1.23457e+06 0.0 0.0)"},
        {std::make_shared<ComandoMoveUniversalJoint>("lae1", 0.5, -2.0), "(lae1 0.5 -2)"},
        {std::make_shared<ComandoSay>("ola"), "(say ola)"},
        {std::make_shared<ComandoSay>(""), "(say )"},
    };
    for (const CasoTexto& caso : casos) {
        EXPECT_EQ(caso.esperado, caso.comando->getMensagem());
    }
}

// A command changed after it is built sends its new values, not those it was
// built with.
TEST(Comando, SettersMudamOTexto)
{
    ComandoBeam beam(0, 0, 0);
    beam.setPosicao(-10, 3);
    EXPECT_EQ("(beam -10.0 3.0 0.0)", beam.getMensagem());
    EXPECT_EQ(0.0, beam.getRotacao());

    ComandoMoveHingeJoint junta("lle1", 0);
    junta.setVelAngular(-0.4);
    EXPECT_EQ("(lle1 -0.4)", junta.getMensagem());

    ComandoMoveUniversalJoint universal("rae1", 0, 0);
    universal.setVelAngular(1, 2);
    universal.setVelAngularEixoB(-3);
    EXPECT_EQ("(rae1 1 -3)", universal.getMensagem());
}

} // namespace
