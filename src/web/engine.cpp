// The engine as the web page calls it: plain C functions, which need no
// glue that makes code at run time (the page's security policy allows
// none). Numbers go in as arguments; what comes back is JSON in the
// module's memory, valid until the next call.
#include "grading.h"
#include "statejson.h"

#include <emscripten/emscripten.h>

namespace {

form::FormState state;
std::string answer;

const char *answered(std::string text)
{
    answer = std::move(text);
    return answer.c_str();
}

}  // namespace

extern "C" {

// The points of field `index` (web::pointsField) as the page holds them.
EMSCRIPTEN_KEEPALIVE void kw_set_points(int index, int points)
{
    if (index >= 0 && index < web::kPointsFields)
        web::pointsAt(state, index) = points;
}

// The object names of the points fields, in the order of kw_set_points.
EMSCRIPTEN_KEEPALIVE const char *kw_points_fields()
{
    std::string names = "[";
    for (int i = 0; i < web::kPointsFields; ++i)
        names += (i ? "," : "") + web::quoted(web::pointsField(i));
    return answered(names + ']');
}

// One press of the button `button` (form::Button), and the state after it.
EMSCRIPTEN_KEEPALIVE const char *kw_press(int button)
{
    if (button >= 0 && button < form::kButtonCount)
        state = form::press(std::move(state), form::Button(button));
    return answered(web::stateJson(state));
}

// The calculator: {"text", "name", "say"} for the written and the oral
// points; `meaning` names the result for a screen reader.
EMSCRIPTEN_KEEPALIVE const char *kw_oral_reexamination(int written, int oral, const char *meaning)
{
    const std::string text = grading::oralReexaminationPoints(written, oral);
    const std::string name = form::namedResult(meaning, text);
    return answered("{\"text\":" + web::quoted(text) + ",\"name\":" + web::quoted(name) +
                    ",\"say\":" + web::quoted(form::utterance({name})) + '}');
}

}  // extern "C"
