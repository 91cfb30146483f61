#include "mainform.h"

namespace mainform {

namespace {

std::string halfYearName(int halfYear)
{
    return std::to_string(halfYear + 1) + ". KHJ";
}

}  // namespace

std::string coursePointsName(int halfYear, int row)
{
    return "Fach " + std::to_string(row + 1) + ", " + halfYearName(halfYear);
}

std::string weakCoursesName(int halfYear)
{
    return "Kurse unter 05 NP, " + halfYearName(halfYear);
}

std::string subjectChoiceName(int row)
{
    return "Fach " + std::to_string(row + 1) + ", Fachwahl";
}

std::string checkName(int halfYear)
{
    return "Prüfen, " + halfYearName(halfYear);
}

std::string examPointsName(const std::string &caption)
{
    return caption + ", Punkte";
}

std::string examSubjectName(const std::string &caption)
{
    return caption + ", Fachwahl";
}

std::string oralReexaminationName(const std::string &caption)
{
    return caption + ", mündliche Nachprüfung";
}

}  // namespace mainform
