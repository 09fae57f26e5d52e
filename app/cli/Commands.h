#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zonalyst::cli {

// Every command takes the words after its name and returns the exit code.
using CommandWords = std::vector<std::string>;

int RunReport(const CommandWords& words, std::ostream& out, std::ostream& err);
int RunBestConic(const CommandWords& words, std::ostream& out, std::ostream& err);
int RunMonteCarlo(const CommandWords& words, std::ostream& out, std::ostream& err);
int RunExport(const CommandWords& words, std::ostream& out, std::ostream& err);
int RunHistory(const CommandWords& words, std::ostream& out, std::ostream& err);
int RunMask(const CommandWords& words, std::ostream& out, std::ostream& err);
int RunProfile(const CommandWords& words, std::ostream& out, std::ostream& err);
int RunSimulate(const CommandWords& words, std::ostream& out, std::ostream& err);
int RunPhotos(const CommandWords& words, std::ostream& out, std::ostream& err);
int RunAstigmatism(const CommandWords& words, std::ostream& out, std::ostream& err);
int RunSweep(const CommandWords& words, std::ostream& out, std::ostream& err);

}  // namespace zonalyst::cli
