// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LaunchQuestion.h"

#include <QString>
#include <deque>
#include <gtest/gtest.h>
#include <vector>

namespace fakes {

// Answers from a script and records what it was asked; an unscripted question fails the test.
class FakeLaunchQuestion : public platform::LaunchQuestion {
  public:
    platform::LaunchAnswer askToLaunch(QWidget*, const QString& caption,
                                       const QString& command) override {
        asked.push_back({caption, command});
        if (answers.empty()) {
            ADD_FAILURE() << "unscripted launch question: " << caption.toStdString();
            return {};
        }
        const platform::LaunchAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<platform::LaunchAnswer> answers;
    std::vector<std::pair<QString, QString>> asked; // caption, command
};

} // namespace fakes
