// route.cpp -- reads route files, one step a line.
#include "tools/autoplay/route.h"

#include <climits>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "game/number_text.h"
#include "game/text_lines.h"
#include "tools/common/input_file.h"

namespace {

bool ReadAngle(std::string_view word, float& angle) {
    const std::string text(word);
    char* end = nullptr;
    angle = std::strtof(text.c_str(), &end);
    return end != text.c_str() && *end == '\0';
}

bool ReadValue(std::string_view word, int& value, int min = INT_MIN) {
    const std::optional<int> number = ParseDecimal<int>(word, min);
    if (number) value = *number;
    return number.has_value();
}

bool ReadFireMode(std::string_view word, RouteStep::FireMode& mode) {
    if (word == "off")
        mode = RouteStep::FireOff;
    else if (word == "auto")
        mode = RouteStep::FireAuto;
    else if (word == "on")
        mode = RouteStep::FireOn;
    else
        return false;
    return true;
}

// Parses the words of one line after its operation word.
bool ParseStep(std::string_view op, std::string_view& words, RouteStep& step) {
    if (op == "right" || op == "left") {
        step.op = op == "right" ? RouteStep::Right : RouteStep::Left;
        return ReadValue(NextWord(words), step.value);
    }
    if (op == "wait") {
        step.op = RouteStep::Wait;
        return ReadValue(NextWord(words), step.value, 1);
    }
    if (op == "aim") {
        const std::string_view word = NextWord(words);
        if (word.empty()) return false;
        step.op = word == "auto" ? RouteStep::AimAuto : RouteStep::Aim;
        return step.op == RouteStep::AimAuto || ReadAngle(word, step.angle);
    }
    if (op == "fire") {
        step.op = RouteStep::Fire;
        return ReadFireMode(NextWord(words), step.fire);
    }
    if (op == "stop")
        step.op = RouteStep::Stop;
    else if (op == "jump")
        step.op = RouteStep::Jump;
    else if (op == "land")
        step.op = RouteStep::Land;
    else if (op == "goal")
        step.op = RouteStep::Goal;
    else
        return false;
    return true;
}

}  // namespace

bool LoadRoute(const std::string& path, Route& route, std::string& error) {
    std::string text;
    if (!ReadInputFile(path, text, error)) {
        return false;
    }
    TextLines lines(text);
    for (TextLine line; lines.Next(line);) {
        std::string_view words = line.text.substr(0, line.text.find('#'));
        const std::string_view op = NextWord(words);
        if (op.empty()) continue;
        RouteStep step;
        step.line = int(line.number);
        if (!ParseStep(op, words, step) || !NextWord(words).empty()) {
            error = path + ":" + std::to_string(line.number) + ": cannot read \"" +
                    std::string(line.text) + "\"";
            return false;
        }
        route.push_back(step);
    }
    return true;
}
