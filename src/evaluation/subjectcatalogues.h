#pragma once

#include <string>
#include <vector>

// What the subject choices offer, for every face alike. The choices are
// only labels for the student: no rule reads them.
namespace catalogues {

struct Catalogue {
    const char *choice;  // the object name of the subject choice
    std::vector<std::string> entries;
};

// The main form's twelve course rows and five examination rows.
const std::vector<Catalogue> &mainForm();

// The calculator's choice of examination subject.
const std::vector<std::string> &oralReexamination();

}  // namespace catalogues
