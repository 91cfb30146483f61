#include "subjectcatalogues.h"

namespace catalogues {

namespace {

// German, history, the languages, mathematics and the sciences: the
// subjects that can be examination subjects 1 to 4.
const std::vector<std::string> kExaminationSubjects = {
    "-------", "Deutsch", "Geschichte", "Englisch", "Französisch", "Russisch",
    "Latein",  "Mathe",   "Biologie",   "Physik",   "Chemie",
};

const std::vector<std::string> kAdditionalSubjects = {
    "Zusatz", "Biologie", "Chemie", "Physik", "Informatik", "Englisch", "Französisch",
    "Russisch", "Latein", "Musik", "Kunst", "Geografie", "Sozialkunde",
};

// The oral examination also offers the subjects before the second
// separator, then every examination subject.
std::vector<std::string> oralExaminationSubjects()
{
    std::vector<std::string> subjects = {
        "-------", "Informatik", "Musik", "Kunst", "Ethik", "Religion", "Geografie", "Sozialkunde",
    };
    subjects.insert(subjects.end(), kExaminationSubjects.begin(), kExaminationSubjects.end());
    return subjects;
}

}  // namespace

const std::vector<Catalogue> &mainForm()
{
    static const std::vector<Catalogue> catalogues = {
        {"comboBox", {"Sprache", "Englisch", "Französisch", "Russisch", "Latein"}},
        {"comboBox_2", {"Naturwissenschaft", "Physik", "Biologie", "Chemie"}},
        {"comboBox_3", {"---", "Französisch", "Latein", "Russisch", "Englisch", "Biologie", "Chemie", "Physik"}},
        {"comboBox_4", {"---", "Musik", "Kunst"}},
        {"comboBox_5", {"---", "Ethik", "Religion"}},
        {"comboBox_6", {"---", "Geografie", "Sozialkunde"}},
        {"comboBox_7", {"---", "Sport", "Attest"}},
        {"comboBox_8", kAdditionalSubjects},
        {"comboBox_17", kAdditionalSubjects},
        {"comboBox_9", kExaminationSubjects},
        {"comboBox_10", kExaminationSubjects},
        {"comboBox_11", kExaminationSubjects},
        {"comboBox_12", kExaminationSubjects},
        {"comboBox_14", kExaminationSubjects},
        {"comboBox_15", kExaminationSubjects},
        {"comboBox_16", kExaminationSubjects},
        {"comboBox_13", oralExaminationSubjects()},
    };
    return catalogues;
}

// Without "Geschichte": the calculator's own list.
const std::vector<std::string> &oralReexamination()
{
    static const std::vector<std::string> subjects = {
        "-------", "Deutsch", "Englisch", "Französisch", "Russisch",
        "Latein",  "Mathe",   "Biologie", "Physik",      "Chemie",
    };
    return subjects;
}

}  // namespace catalogues
