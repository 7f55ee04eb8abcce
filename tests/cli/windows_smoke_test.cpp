// bytesettext.exe on Windows: files in and out, an existing output file
// replaced, and standard input and output carrying raw bytes (the C
// runtime's text mode would turn LF into CR LF and stop at Ctrl-Z).
// Run with the program's path as the first argument after gtest's own.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

std::string g_program;

class WindowsSmoke : public testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        std::filesystem::temp_directory_path() / ("bytesettext-smoke-" + std::to_string(_getpid()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream file(PathOf(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }

  // Runs the program with standard input and output on the named files
  // and returns its exit status. The files are opened in text mode, the C
  // runtime's default for standard streams, which the child inherits with
  // them: the program has to switch to binary mode itself.
  int Run(std::vector<std::string> arguments, const std::string& in = {},
          const std::string& out = {}) const {
    std::vector<std::string> quoted{"\"" + g_program + "\""};
    for (const std::string& argument : arguments) quoted.push_back("\"" + argument + "\"");
    std::vector<const char*> argv;
    for (const std::string& word : quoted) argv.push_back(word.c_str());
    argv.push_back(nullptr);

    std::fflush(stdout);
    const int savedIn = _dup(0);
    const int savedOut = _dup(1);
    if (!in.empty()) Redirect(_open(PathOf(in).c_str(), _O_RDONLY | _O_TEXT), 0);
    if (!out.empty()) {
      Redirect(_open(PathOf(out).c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_TEXT,
                     _S_IREAD | _S_IWRITE),
               1);
    }
    const intptr_t status = _spawnv(_P_WAIT, g_program.c_str(), argv.data());
    Redirect(savedIn, 0);
    Redirect(savedOut, 1);
    return static_cast<int>(status);
  }

 private:
  static void Redirect(int fd, int to) {
    ASSERT_GE(fd, 0);
    _dup2(fd, to);
    _close(fd);
  }

  std::filesystem::path dir_;
};

// CR LF, Ctrl-Z and a double-byte character ("中" in code page 936).
const std::string kText = "a\r\n\x1A\xD6\xD0";
const std::string kByteSetText = "97,13,10,26,214,208";

TEST_F(WindowsSmoke, ConvertsFilesBothWays) {
  Write("text", kText);
  ASSERT_EQ(Run({"encode", PathOf("text"), "-o", PathOf("encoded")}), 0);
  EXPECT_EQ(Read("encoded"), kByteSetText);
  ASSERT_EQ(Run({"decode", PathOf("encoded"), "-o", PathOf("decoded")}), 0);
  EXPECT_EQ(Read("decoded"), kText);
}

// The output file is replaced by renaming over it, which the C runtime's
// rename() refuses on Windows; the name is in the ANSI code page.
TEST_F(WindowsSmoke, ReplacesAnExistingOutputFile) {
  const std::string name = "\xD6\xD0.txt";
  Write("text", kText);
  Write(name, "old content");
  ASSERT_EQ(Run({"encode", PathOf("text"), "-o", PathOf(name)}), 0);
  EXPECT_EQ(Read(name), kByteSetText);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(PathOf("")),
                          std::filesystem::directory_iterator()),
            2);
}

TEST_F(WindowsSmoke, StandardStreamsCarryRawBytes) {
  Write("text", kText);
  ASSERT_EQ(Run({"encode"}, "text", "encoded"), 0);
  EXPECT_EQ(Read("encoded"), kByteSetText);
  ASSERT_EQ(Run({"decode", "-"}, "encoded", "decoded"), 0);
  EXPECT_EQ(Read("decoded"), kText);
}

TEST_F(WindowsSmoke, ZeroByteLeavesTheOutputFileAlone) {
  Write("text", std::string("ab\0c", 4));
  Write("out", "kept");
  EXPECT_EQ(Run({"encode", PathOf("text"), "-o", PathOf("out")}), 2);
  EXPECT_EQ(Read("out"), "kept");
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s [gtest options] PATH-OF-bytesettext.exe\n", argv[0]);
    return 2;
  }
  g_program = argv[1];
  return RUN_ALL_TESTS();
}
