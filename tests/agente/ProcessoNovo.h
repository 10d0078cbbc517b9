#ifndef TRELVO_TESTS_AGENTE_PROCESSONOVO_H
#define TRELVO_TESTS_AGENTE_PROCESSONOVO_H

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

// The decision step keeps its start time and its beam once per process, so a
// scenario that depends on them runs in a child process of its own. The
// child's check failures are written to its standard error, which the test
// shows, and only a child whose checks all passed exits with status 0.
inline void rodarNoFilho(const std::function<void()>& cenario)
{
    ::testing::TestPartResultArray falhas;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &falhas);
        cenario();
    }
    for (int i = 0; i < falhas.size(); ++i) {
        const ::testing::TestPartResult& f = falhas.GetTestPartResult(i);
        std::fprintf(stderr, "%s:%d: %s\n", f.file_name() ? f.file_name() : "?", f.line_number(), f.message());
    }
    std::fflush(stderr);
    std::exit(falhas.size() == 0 ? 0 : 1);
}

// Fails the calling test unless the scenario's child passed all its checks.
inline void emProcessoNovo(const std::function<void()>& cenario)
{
    EXPECT_EXIT(rodarNoFilho(cenario), ::testing::ExitedWithCode(0), "");
}

#endif
