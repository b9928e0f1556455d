#pragma once

#include "TempDir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace kadro::test {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string shellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// The start of a shell command that runs the program in one locale, whatever the tests run in:
// the C locale shows the system's own texts.
inline std::string inLocale(const std::string& locale) {
    return "env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=" + shellQuote(locale) + " ";
}

// Runs a program with the arguments, in workDir when given, in the C locale unless told.
inline CliRun runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workDir = {}, const std::string& locale = "C") {
    TempDir capture;
    std::string command;
    if (!workDir.empty())
        command += "cd " + shellQuote(workDir) + " && ";
    command += inLocale(locale) + shellQuote(program);
    for (const auto& a : args)
        command += " " + shellQuote(a);
    command += " >" + shellQuote(capture.file("out")) + " 2>" + shellQuote(capture.file("err")) +
               " </dev/null";
    const int status = std::system(command.c_str());
    CliRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = slurp(capture.file("out"));
    run.err = slurp(capture.file("err"));
    return run;
}

// Runs the built kadro-cli with the arguments, in workDir when given.
inline CliRun runCli(const std::vector<std::string>& args, const std::string& workDir = {},
                     const std::string& locale = "C") {
    return runProgram(std::string(KADRO_BIN_DIR) + "/kadro-cli", args, workDir, locale);
}

} // namespace kadro::test
