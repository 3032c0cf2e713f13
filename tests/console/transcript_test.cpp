// Sample scripts run against korvanet.dll, their printed lines compared with the
// transcripts in tests/console/transcripts. Only samples whose every result is the
// same on every run and every machine have a transcript here. The samples that show
// one family each for the reference must run every line without a message box.
//
// To write the transcripts anew from a run (after checking the run by eye), set
// ZUB_UPDATE_TRANSCRIPTS=1 in the environment of this test program.
#include "console.h"
#include "files.h"
#include "test_paths.h"
#include "transcript.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

using zub::readFile;

struct SampleRun {
    std::string printed; // as written the same on every machine, message boxes included
    int failures = 0;    // lines that could not run
};

// Runs samples/NAME.zub line by line in a dialog of its own, as zubhost does.
SampleRun runSample(const std::string& name)
{
    const std::string script = readFile(ZUB_SAMPLES_DIR + "\\" + name + ".zub").value_or("");
    EXPECT_FALSE(script.empty()) << name;
    std::ostringstream out;
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
    return {zub::portableOutput(out.str(), zub::tempPath()), console.failures()};
}

class Transcript : public testing::TestWithParam<const char*> {};

TEST_P(Transcript, SampleRunPrintsItsTranscript)
{
    const std::string name = GetParam();
    const std::string expectedPath = ZUB_TRANSCRIPTS_DIR + "\\" + name + ".txt";
    const SampleRun run = runSample(name);

    const char* update = std::getenv("ZUB_UPDATE_TRANSCRIPTS");
    if (update != nullptr && std::string(update) == "1") {
        std::ofstream(expectedPath, std::ios::binary) << run.printed;
        GTEST_SKIP() << "wrote " << expectedPath;
    }
    EXPECT_EQ(readFile(expectedPath).value_or(""), run.printed) << name;
    if (name == std::string("mistakes")) {
        EXPECT_GT(run.failures, 0);
    } else {
        EXPECT_EQ(0, run.failures) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, Transcript, testing::Values("console", "mistakes", "tour"));

// The family samples read samples\media by paths relative to the repository's root, the
// folder they are run from; a missing or unreadable file would show a message box.
class FamilySample : public testing::TestWithParam<const char*> {};

TEST_P(FamilySample, RunsEveryLineWithoutAMessageBoxFromTheRepositoryRoot)
{
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA((ZUB_SAMPLES_DIR + "\\..").c_str()));
    const SampleRun run = runSample(GetParam());
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(0, run.failures) << run.printed;
    EXPECT_EQ(std::string::npos, run.printed.find("  note [")) << run.printed;
}

INSTANTIATE_TEST_SUITE_P(Samples, FamilySample,
                         testing::Values("masks", "listviews", "listboxes", "imagelists", "richtext", "trackbar",
                                         "progressbar", "statusbar", "tabs", "tooltips", "ipaddress", "animation",
                                         "utilities"));

} // namespace
