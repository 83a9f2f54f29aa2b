// SPDX-License-Identifier: MIT
// Recording fakes of the platform seams. Install them with FakePlatform,
// which restores the real seams when it goes out of scope.
#pragma once

#include "platform/platform.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

class FakeClock final : public Clock {
public:
    explicit FakeClock(TDateTime day = TDateTime::fromYmd(2014, 6, 2)) : m_today(day) {}
    TDateTime today() const override { return m_today; }
    void set(TDateTime day) { m_today = day; }

private:
    TDateTime m_today;
};

class RecordingDialogs final : public Dialogs {
public:
    enum class Kind { Message, Error, Question };
    struct Shown {
        Kind kind;
        QString text;
        QString title;
        QWidget *parent;
    };

    void message(QWidget *parent, const QString &text, const QString &title) override
    {
        shown.push_back({Kind::Message, text, title, parent});
        if (onShow)
            onShow();
    }
    void error(QWidget *parent, const QString &text, const QString &title) override
    {
        shown.push_back({Kind::Error, text, title, parent});
        if (onShow)
            onShow();
    }
    // Answers from the script, oldest first; Yes when the script is empty.
    bool question(QWidget *parent, const QString &text, const QString &title) override
    {
        shown.push_back({Kind::Question, text, title, parent});
        if (onShow)
            onShow();
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    [[nodiscard]] QStringList texts() const
    {
        QStringList list;
        for (const auto &s : shown)
            list << s.text;
        return list;
    }
    [[nodiscard]] const Shown &last() const { return shown.back(); }
    void clear() { shown.clear(); }

    std::vector<Shown> shown;
    std::deque<bool> answers;
    std::function<void()> onShow; // runs while the "box" is up
};

class RecordingShell final : public DesktopShell {
public:
    bool openUrl(const QString &address) override
    {
        urls << address;
        return succeed;
    }
    bool openMailLink(const QString &link) override
    {
        mailLinks << link;
        return succeed;
    }
    QStringList urls;
    QStringList mailLinks;
    bool succeed = true;
};

// All three fakes, installed for the lifetime of the object.
struct FakePlatform {
    FakeClock clock;
    RecordingDialogs dialogs;
    RecordingShell shell;
    Platform::Override guard{&clock, &dialogs, &shell};
};
