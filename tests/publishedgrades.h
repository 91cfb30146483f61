#pragma once

#include <string>
#include <utility>

// The official conversion of Abitur total points (Block I + Block II) to the
// average grade, as the states publish it: the lowest total of each grade.
inline std::string publishedGrade(int total)
{
    static const std::pair<int, const char *> lowestTotal[] = {
        {823, "1,0"}, {805, "1,1"}, {787, "1,2"}, {769, "1,3"}, {751, "1,4"}, {733, "1,5"}, {715, "1,6"},
        {697, "1,7"}, {679, "1,8"}, {661, "1,9"}, {643, "2,0"}, {625, "2,1"}, {607, "2,2"}, {589, "2,3"},
        {571, "2,4"}, {553, "2,5"}, {535, "2,6"}, {517, "2,7"}, {499, "2,8"}, {481, "2,9"}, {463, "3,0"},
        {445, "3,1"}, {427, "3,2"}, {409, "3,3"}, {391, "3,4"}, {373, "3,5"}, {355, "3,6"}, {337, "3,7"},
        {319, "3,8"}, {301, "3,9"}, {300, "4,0"}};
    for (const auto &[lowest, grade] : lowestTotal)
        if (total >= lowest)
            return grade;
    return {};
}
