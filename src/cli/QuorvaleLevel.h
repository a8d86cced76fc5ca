#pragma once
#include <iosfwd>
#include <string>
#include <vector>

// Runs quorvale-level in this process: args are the arguments after the program's name; the
// command reads standard input from in and writes standard output and error to out and err
// (errIsTerminal: err is a terminal, where a long search may show its progress). Returns the
// exit status.
int RunQuorvaleLevel(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                     bool errIsTerminal = false);
