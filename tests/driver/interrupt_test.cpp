// Control-C at a question and while a data file or the report is being
// written: every file is left as it was or complete (as an uninterrupted run
// leaves it), no temporary file stays, the one diagnostic line, status 130.
// The write is held between the full temporary file and the rename, so the
// signal arrives at that moment for certain.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <set>

#include "input/dialogue_texts.h"

using namespace veldran::testing;

namespace {

namespace fs = std::filesystem;

enum class Left { AsItWas, Complete };

struct Interruption {
    const char* name;
    std::map<std::string, std::string> before; // files present at the start
    std::string keyboard;
    std::string wait_screen; // the signal follows this on the screen, or
    std::string wait_temp;   // the hidden temporary file of this one, written
    std::map<std::string, Left> after; // every file in the directory at the end
};

const std::string OLD = "old content\r\n";
const std::string WHOLE_RUN =
    UP_TO_LOADS + keys({"N", "6", "177", "22", "S"}) + PRINT_ANSWERS; // up to the pause

const Interruption CASES[] = {
    {"AtAQuestion", {{"PPROPS", OLD}}, TYPE_MATERIALS + keys({"S"}), LAMINATE_Q, "",
     {{"PPROPS", Left::Complete}}},
    {"WritingADataFileOverAnOldOne", {{"PPROPS", OLD}}, TYPE_MATERIALS + keys({"S"}), "",
     "PPROPS", {{"PPROPS", Left::AsItWas}}},
    {"WritingANewDataFile", {}, TYPE_MATERIALS + keys({"S"}), "", "PPROPS", {}},
    {"WritingTheReportOverAnOldOne",
     {{"answer.txt", OLD}},
     WHOLE_RUN,
     "",
     "answer.txt",
     {{"PPROPS", Left::Complete},
      {"LAMINATE", Left::Complete},
      {"PLOADS", Left::Complete},
      {"answer.txt", Left::AsItWas}}},
    {"WritingANewReport",
     {},
     WHOLE_RUN,
     "",
     "answer.txt",
     {{"PPROPS", Left::Complete}, {"LAMINATE", Left::Complete}, {"PLOADS", Left::Complete}}},
};

void PrintTo(const Interruption& c, std::ostream* os) {
    *os << c.name;
}

std::set<std::string> entries(const ScratchDir& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path()))
        names.insert(e.path().filename().string());
    return names;
}

// The hidden temporary file of `name` holds the records (they are written
// in one go just before the held rename).
bool temp_written(const ScratchDir& dir, const std::string& name) {
    std::error_code ec; // the file may go while it is looked at
    for (fs::directory_iterator it(dir.path(), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string f = it->path().filename().string();
        const auto size = fs::file_size(it->path(), ec);
        if (f.rfind("." + name + ".", 0) == 0 && !ec && size > 0) return true;
        ec.clear();
    }
    return false;
}

class Interrupted : public ::testing::TestWithParam<Interruption> {};

TEST_P(Interrupted, LeavesEachFileAsItWasOrComplete) {
    const Interruption& c = GetParam();
    ScratchDir complete, dir;
    for (const auto& [name, bytes] : c.before) {
        complete.put(name, bytes);
        dir.put(name, bytes);
    }
    run_session(complete, c.keyboard); // what the run leaves when nothing stops it

    const auto r = run_interrupted_when(
        dir, c.keyboard,
        [&](const std::string& screen) {
            return c.wait_temp.empty() ? screen.find(c.wait_screen) != std::string::npos
                                       : temp_written(dir, c.wait_temp);
        },
        SIGINT, c.wait_temp.empty() ? "" : "VELDRAN_TEST_WRITE_DELAY_MS=1500");

    EXPECT_EQ(r.err, "veldran: severe (200): program aborting due to control-C event\r\n");
    EXPECT_EQ(r.status, 130);
    std::set<std::string> expected;
    for (const auto& [name, left] : c.after) {
        expected.insert(name);
        EXPECT_EQ(dir.get(name),
                  left == Left::AsItWas ? c.before.at(name) : complete.get(name))
            << name;
    }
    EXPECT_EQ(entries(dir), expected); // no temporary file, nothing else
}

INSTANTIATE_TEST_SUITE_P(ControlC, Interrupted, ::testing::ValuesIn(CASES),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
