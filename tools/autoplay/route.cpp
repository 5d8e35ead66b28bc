// route.cpp -- reads route files, one step a line.
#include "tools/autoplay/route.h"

#include <climits>
#include <cstdlib>
#include <optional>
#include <sstream>

#include "game/number_text.h"

#include "tools/common/input_file.h"

namespace {

bool ReadAngle(const std::string& word, float& angle) {
    char* end = nullptr;
    angle = std::strtof(word.c_str(), &end);
    return end != word.c_str() && *end == '\0';
}

bool ReadValue(const std::string& word, int& value, int min = INT_MIN) {
    const std::optional<int> number = ParseDecimal<int>(word, min);
    if (number) value = *number;
    return number.has_value();
}

bool ReadFireMode(const std::string& word, RouteStep::FireMode& mode) {
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
bool ParseStep(const std::string& op, std::istringstream& words, RouteStep& step) {
    std::string word;
    if (op == "right" || op == "left") {
        step.op = op == "right" ? RouteStep::Right : RouteStep::Left;
        return words >> word && ReadValue(word, step.value);
    }
    if (op == "wait") {
        step.op = RouteStep::Wait;
        return words >> word && ReadValue(word, step.value, 1);
    }
    if (op == "aim") {
        if (!(words >> word)) return false;
        step.op = word == "auto" ? RouteStep::AimAuto : RouteStep::Aim;
        return step.op == RouteStep::AimAuto || ReadAngle(word, step.angle);
    }
    if (op == "fire") {
        step.op = RouteStep::Fire;
        return bool(words >> word) && ReadFireMode(word, step.fire);
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
    std::istringstream in(text);
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        std::istringstream words(line.substr(0, line.find('#')));
        std::string op;
        if (!(words >> op)) continue;
        RouteStep step;
        step.line = lineNumber;
        std::string extra;
        if (!ParseStep(op, words, step) || (words >> extra)) {
            error = path + ":" + std::to_string(lineNumber) + ": cannot read \"" + line + "\"";
            return false;
        }
        route.push_back(step);
    }
    return true;
}
