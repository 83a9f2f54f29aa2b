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
    enum class Kind { Message, Error, Question, OpenFile, SaveFile };
    struct Shown {
        Kind kind;
        QString text; // a file dialog's caption
        QString title;
        QWidget *parent;
        QString path; // a file dialog's folder or suggested name
    };

    void message(QWidget *parent, const QString &text, const QString &title) override
    {
        shown.push_back({Kind::Message, text, title, parent, {}});
        if (onShow)
            onShow();
    }
    void error(QWidget *parent, const QString &text, const QString &title) override
    {
        shown.push_back({Kind::Error, text, title, parent, {}});
        if (onShow)
            onShow();
    }
    // Answers from the script, oldest first; Yes when the script is empty.
    bool question(QWidget *parent, const QString &text, const QString &title) override
    {
        shown.push_back({Kind::Question, text, title, parent, {}});
        if (onShow)
            onShow();
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // The names the user picks, oldest first; cancelled when the script is empty.
    QString openFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &) override
    {
        return pickFile(Kind::OpenFile, parent, caption, folder);
    }
    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested, const QString &) override
    {
        return pickFile(Kind::SaveFile, parent, caption, suggested);
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
    std::deque<QString> fileNames;
    std::function<void()> onShow; // runs while the "box" is up

private:
    QString pickFile(Kind kind, QWidget *parent, const QString &caption, const QString &path)
    {
        shown.push_back({kind, caption, QString(), parent, path});
        if (onShow)
            onShow();
        if (fileNames.empty())
            return {};
        QString name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
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
