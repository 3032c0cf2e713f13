// Sample scripts run against korvanet.dll, their printed lines compared with the
// transcripts in tests/console/transcripts. Only samples whose every result is the
// same on every run and every machine have a transcript here.
//
// To write the transcripts anew from a run (after checking the run by eye), set
// ZUB_UPDATE_TRANSCRIPTS=1 in the environment of this test program.
#include "console.h"
#include "files.h"
#include "portable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

using zub::readFile;

class Transcript : public testing::TestWithParam<const char*> {};

TEST_P(Transcript, SampleRunPrintsItsTranscript)
{
    const std::string name = GetParam();
    const std::string script = readFile(std::string(ZUB_SAMPLES_DIR) + "\\" + name + ".zub").value_or("");
    ASSERT_FALSE(script.empty()) << name;
    const std::string expectedPath = std::string(ZUB_TRANSCRIPTS_DIR) + "\\" + name + ".txt";

    std::ostringstream out;
    int failures = 0;
    {
        zub::Host host;
        zub::Dialog dialog(800, 600, "transcript");
        zub::NoteCatcher notes;
        host.window = dialog.hwnd();
        zub::console::Console console(host, dialog, notes, out);
        std::istringstream lines(script);
        int number = 0;
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            console.run(line, ++number);
        }
        failures = console.failures();
        const std::string printed = zub::portableOutput(out.str(), zub::tempPath());

        const char* update = std::getenv("ZUB_UPDATE_TRANSCRIPTS");
        if (update != nullptr && std::string(update) == "1") {
            std::ofstream(expectedPath, std::ios::binary) << printed;
            GTEST_SKIP() << "wrote " << expectedPath;
        }
        EXPECT_EQ(readFile(expectedPath).value_or(""), printed) << name;
    }
    if (name == std::string("mistakes")) {
        EXPECT_GT(failures, 0);
    } else {
        EXPECT_EQ(0, failures) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, Transcript, testing::Values("console", "mistakes", "tour"));

} // namespace
