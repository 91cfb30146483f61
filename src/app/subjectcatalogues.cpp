#include "subjectcatalogues.h"

#include "ui_kurswaage.h"

namespace {

// German, history, the languages, mathematics and the sciences: the
// subjects that can be examination subjects 1 to 4.
const QStringList &examinationSubjects()
{
    static const QStringList list = {
        QStringLiteral("-------"), QStringLiteral("Deutsch"), QStringLiteral("Geschichte"),
        QStringLiteral("Englisch"), QStringLiteral("Französisch"), QStringLiteral("Russisch"),
        QStringLiteral("Latein"), QStringLiteral("Mathe"), QStringLiteral("Biologie"),
        QStringLiteral("Physik"), QStringLiteral("Chemie"),
    };
    return list;
}

const QStringList &additionalSubjects()
{
    static const QStringList list = {
        QStringLiteral("Zusatz"), QStringLiteral("Biologie"), QStringLiteral("Chemie"),
        QStringLiteral("Physik"), QStringLiteral("Informatik"), QStringLiteral("Englisch"),
        QStringLiteral("Französisch"), QStringLiteral("Russisch"), QStringLiteral("Latein"),
        QStringLiteral("Musik"), QStringLiteral("Kunst"), QStringLiteral("Geografie"),
        QStringLiteral("Sozialkunde"),
    };
    return list;
}

// The oral examination also offers the subjects before the second
// separator, then every examination subject.
QStringList oralExaminationSubjects()
{
    return QStringList{
               QStringLiteral("-------"), QStringLiteral("Informatik"), QStringLiteral("Musik"),
               QStringLiteral("Kunst"), QStringLiteral("Ethik"), QStringLiteral("Religion"),
               QStringLiteral("Geografie"), QStringLiteral("Sozialkunde"),
           }
           + examinationSubjects();
}

}  // namespace

void fillSubjectCatalogues(Ui_Kurswaage &form)
{
    const struct {
        QComboBox *Ui_Kurswaage::*box;
        QStringList entries;
    } catalogues[] = {
        {&Ui_Kurswaage::comboBox, {QStringLiteral("Sprache"), QStringLiteral("Englisch"),
                                   QStringLiteral("Französisch"), QStringLiteral("Russisch"),
                                   QStringLiteral("Latein")}},
        {&Ui_Kurswaage::comboBox_2, {QStringLiteral("Naturwissenschaft"), QStringLiteral("Physik"),
                                     QStringLiteral("Biologie"), QStringLiteral("Chemie")}},
        {&Ui_Kurswaage::comboBox_3, {QStringLiteral("---"), QStringLiteral("Französisch"),
                                     QStringLiteral("Latein"), QStringLiteral("Russisch"),
                                     QStringLiteral("Englisch"), QStringLiteral("Biologie"),
                                     QStringLiteral("Chemie"), QStringLiteral("Physik")}},
        {&Ui_Kurswaage::comboBox_4, {QStringLiteral("---"), QStringLiteral("Musik"), QStringLiteral("Kunst")}},
        {&Ui_Kurswaage::comboBox_5, {QStringLiteral("---"), QStringLiteral("Ethik"), QStringLiteral("Religion")}},
        {&Ui_Kurswaage::comboBox_6, {QStringLiteral("---"), QStringLiteral("Geografie"), QStringLiteral("Sozialkunde")}},
        {&Ui_Kurswaage::comboBox_7, {QStringLiteral("---"), QStringLiteral("Sport"), QStringLiteral("Attest")}},
        {&Ui_Kurswaage::comboBox_8, additionalSubjects()},
        {&Ui_Kurswaage::comboBox_17, additionalSubjects()},
        {&Ui_Kurswaage::comboBox_9, examinationSubjects()},
        {&Ui_Kurswaage::comboBox_10, examinationSubjects()},
        {&Ui_Kurswaage::comboBox_11, examinationSubjects()},
        {&Ui_Kurswaage::comboBox_12, examinationSubjects()},
        {&Ui_Kurswaage::comboBox_14, examinationSubjects()},
        {&Ui_Kurswaage::comboBox_15, examinationSubjects()},
        {&Ui_Kurswaage::comboBox_16, examinationSubjects()},
        {&Ui_Kurswaage::comboBox_13, oralExaminationSubjects()},
    };
    for (const auto &catalogue : catalogues)
        (form.*catalogue.box)->addItems(catalogue.entries);
}
