// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeplatform.h"

#include <gtest/gtest.h>

QStringList FakePlatform::takeMessages()
{
    QStringList taken;
    taken.swap(messages);
    return taken;
}

PlatformServices FakePlatform::services()
{
    PlatformServices s;
    s.showMessage = [this](const QString &text) { messages << text; };
    s.askQuestion = [this](const QString &text, const QString &, const QString &) {
        questions << text;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    };
    s.pickColour = [this](std::int32_t initial) -> std::optional<std::int32_t> {
        colourInitials.push_back(initial);
        if (colourPicks.empty()) {
            ADD_FAILURE() << "unexpected colour dialog";
            return std::nullopt;
        }
        const auto pick = colourPicks.front();
        colourPicks.pop_front();
        return pick;
    };
    s.pickFileToOpen =
        s.pickFileToSave = [this](const QString &, const QString &, const QString &) {
            EXPECT_FALSE(filePicks.empty()) << "unexpected file dialog";
            const QString pick = filePicks.empty() ? QString() : filePicks.front();
            if (!filePicks.empty())
                filePicks.pop_front();
            return pick;
        };
    s.openAddress = [this](const QString &address) {
        openedAddresses << address;
        if (openResults.empty()) {
            ADD_FAILURE() << "unexpected address opened: " << address.toStdString();
            return false;
        }
        const bool result = openResults.front();
        openResults.pop_front();
        return result;
    };
    s.checkInstance = [this](const QString &folder) {
        checkedFolders << folder;
        return instanceCheck;
    };
    s.terminateProcess = [this] { ++terminations; };
    s.screenSizeTwips = [this] { return screenTwips; };
    s.now = [this] { return now; };
    s.rnd = [this] {
        if (draws.empty())
            return 0.0;
        const double draw = draws.front();
        draws.pop_front();
        return draw;
    };
    return s;
}
