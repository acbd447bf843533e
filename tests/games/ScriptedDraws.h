#pragma once
// Draws scripted for a test: while it lives, each draw answers the next value (0 once
// they run out) and is counted.
#include <deque>

#include "platform/DateTime.h"

class ScriptedDraws {
public:
    explicit ScriptedDraws(std::deque<int> answers = {}) : answers_(std::move(answers)) {
        SetRandomSource([this](int) {
            ++calls;
            if (answers_.empty()) return 0;
            const int a = answers_.front();
            answers_.pop_front();
            return a;
        });
    }
    ~ScriptedDraws() { SetRandomSource({}); }
    ScriptedDraws(const ScriptedDraws&) = delete;
    ScriptedDraws& operator=(const ScriptedDraws&) = delete;
    int calls = 0;

private:
    std::deque<int> answers_;
};
