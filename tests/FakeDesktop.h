#pragma once

#include "window/Desktop.h"

#include <QTest>

#include <deque>
#include <string>
#include <vector>

namespace quelvar::test {

// A desktop that answers from a script. Every message box is recorded; one
// that finds no scripted answer fails the running test.
class FakeDesktop : public Desktop {
public:
    struct Box {
        std::string text;
        MsgButtons buttons;
        MsgIcon icon;
        std::string title;
    };

    std::vector<Box> boxes;
    std::deque<MsgAnswer> answers;
    bool otherInstance = false;

    void answer(MsgAnswer a) { answers.push_back(a); }

    MsgAnswer messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title) override {
        boxes.push_back({text, buttons, icon, title});
        if (answers.empty()) {
            QTest::qFail(("unexpected message box: " + text).c_str(), __FILE__, __LINE__);
            return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
        }
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }

    bool anotherInstanceRunning() override { return otherInstance; }
};

} // namespace quelvar::test
