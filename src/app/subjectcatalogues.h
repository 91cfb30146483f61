#pragma once

#include <QStringList>

class Ui_Kurswaage;

// Fills the subject combo boxes of the main form. The choices are only
// labels for the student: no rule reads them.
void fillSubjectCatalogues(Ui_Kurswaage &form);
