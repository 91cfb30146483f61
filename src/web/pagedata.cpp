// Run once at build time: prints what the engine knows of the page as
// JSON, for tools/make_page.py to write the page with. The Designer forms
// give the captions; this gives the object names the steps use, the names
// a screen reader hears, the subject catalogues and the start state.
//   node kurswaage-page-data.js CAPTION_OF_EXAM_ROW_1 … CAPTION_OF_EXAM_ROW_5
#include "mainform.h"
#include "statejson.h"
#include "subjectcatalogues.h"

#include <cstdio>

namespace {

std::string list(const std::vector<std::string> &items)
{
    std::string out = "[";
    for (const std::string &item : items)
        out += (out.size() > 1 ? "," : "") + item;
    return out + ']';
}

std::string strings(const std::vector<std::string> &texts)
{
    std::vector<std::string> items;
    for (const std::string &text : texts)
        items.push_back(web::quoted(text));
    return list(items);
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 1 + kExamComponents) {
        std::fprintf(stderr, "Give the captions of the %d examination rows.\n", kExamComponents);
        return 2;
    }
    using web::quoted;
    std::vector<std::string> columns;
    for (int c = 0; c < kHalfYears; ++c) {
        const mainform::HalfYearColumn &column = mainform::kColumns[c];
        std::vector<std::string> rows, names;
        for (int row = 0; row < kSubjectRows; ++row) {
            rows.push_back(quoted(column.rows[row]));
            names.push_back(quoted(mainform::coursePointsName(c, row)));
        }
        const bool checks = c + 1 < kHalfYears;  // the fourth is "Zulassung", named by its caption
        columns.push_back("{\"rows\":" + list(rows) + ",\"rowNames\":" + list(names) +
                          ",\"list\":" + quoted(column.list) + ",\"listName\":" + quoted(mainform::weakCoursesName(c)) +
                          ",\"average\":" + quoted(column.average) + ",\"check\":" + quoted(column.check) +
                          ",\"checkName\":" + (checks ? quoted(mainform::checkName(c)) : "null") + '}');
    }
    std::vector<std::string> rows;
    for (int row = 0; row < kSubjectRows; ++row)
        rows.push_back("{\"caption\":" + quoted(mainform::kRowCaptions[row]) +
                       ",\"subject\":" + quoted(mainform::kSubjectChoices[row]) +
                       ",\"subjectName\":" + quoted(mainform::subjectChoiceName(row)) + '}');
    std::vector<std::string> exams;
    for (int i = 0; i < kExamComponents; ++i) {
        const mainform::ExamRow &exam = mainform::kExamRows[i];
        const std::string caption = argv[1 + i];
        exams.push_back("{\"points\":" + quoted(exam.points) + ",\"caption\":" + quoted(exam.caption) +
                        ",\"subject\":" + quoted(exam.subject) +
                        ",\"oral\":" + (exam.oralReexamination ? quoted(exam.oralReexamination) : "null") +
                        ",\"pointsName\":" + quoted(mainform::examPointsName(caption)) +
                        ",\"subjectName\":" + quoted(mainform::examSubjectName(caption)) +
                        ",\"oralName\":" + quoted(mainform::oralReexaminationName(caption)) + '}');
    }
    std::vector<std::string> catalogues, buttons, results;
    for (const catalogues::Catalogue &catalogue : catalogues::mainForm())
        catalogues.push_back(quoted(catalogue.choice) + ':' + strings(catalogue.entries));
    for (const char *button : form::kButtonNames)
        buttons.push_back(quoted(button));
    for (const form::ResultLabel &result : form::kResultLabels)
        results.push_back(quoted(result.objectName));

    std::string catalogueObject = list(catalogues);
    catalogueObject.front() = '{';
    catalogueObject.back() = '}';
    std::printf("{\"columns\":%s,\"rows\":%s,\"exams\":%s,\"catalogues\":%s,\"oralReexaminationCatalogue\":%s,"
                "\"buttons\":%s,\"results\":%s,\"start\":%s}\n",
                list(columns).c_str(), list(rows).c_str(), list(exams).c_str(), catalogueObject.c_str(),
                strings(catalogues::oralReexamination()).c_str(), list(buttons).c_str(), list(results).c_str(),
                web::stateJson(form::FormState{}).c_str());
    return 0;
}
