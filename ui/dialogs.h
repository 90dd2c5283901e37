#pragma once
// Seams between the windows and the desktop: message boxes, file dialogs, modal windows and
// the browser. Each goes through the Qt widget unless a test has queued an answer, so that
// windows run headless and a test can check what the player would have been told.

#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class MessageBox
{
public:
    enum Icon
    {
        NoIcon,
        Information,
        Exclamation,
        Critical
    };

    // OK-only message; detail, if any, says below the text why it happened.
    static void show(QWidget* parent, const QString& title, const QString& text, Icon icon = NoIcon,
                     const QString& detail = QString());
    // Yes / No question; returns true for Yes.
    static bool ask(QWidget* parent, const QString& title, const QString& text, Icon icon = NoIcon);
    // Whether to save before going on: "Tallenna", "Älä tallenna" or "Peruuta" (Save, Discard
    // or Cancel; Escape cancels).
    static QMessageBox::StandardButton askToSave(QWidget* parent, const QString& title,
                                                 const QString& text);

    // Test hooks: answers for the coming questions, and every text shown since the last reset.
    static void setNextAnswer(bool yes);
    static void setNextAnswer(QMessageBox::StandardButton button); // for askToSave
    static int queuedAnswers(); // queued and not yet taken by a question
    static QStringList shownTexts();
    static QStringList shownTitles();
    static QStringList shownDetails();      // one for each text shown, empty where there was none
    static void reset();                    // also forgets queued file names
    static void setHeadless(bool headless); // messages are recorded, never shown
    // While headless, a question no answer was queued for goes to handler (a test fails on it)
    // and is answered No (Cancel where the question is whether to save).
    static void setUnansweredHandler(std::function<void(const QString& text)> handler);

    // The box as show() and ask() run it. Every text in it is plain: messages carry file
    // names, hosts and row texts from outside, which must never turn into markup or links.
    static std::unique_ptr<QMessageBox> build(QWidget* parent, const QString& title,
                                              const QString& text, Icon icon,
                                              QMessageBox::StandardButtons buttons,
                                              const QString& detail = QString());
};

class FileDialog
{
public:
    // Returns the chosen path, or an empty text when the player cancelled.
    static QString getOpenFileName(QWidget* parent, const QString& initialName);
    // The main window asks its own question before replacing a file; other savers let the
    // dialog confirm it.
    static QString getSaveFileName(QWidget* parent, const QString& initialName,
                                   bool dialogConfirmsOverwrite = false);

    // Test hooks: the path the next dialog returns ("" for a cancelled dialog), and how many
    // queued paths no dialog has taken yet.
    static void setNextFileName(const QString& path);
    static int queuedFileNames();
};

// Modal windows go through here so that a test can answer them instead of blocking.
class ModalRunner
{
public:
    static int exec(QDialog& dialog);
    // While set, exec() calls this with the dialog (already set up) instead of running it.
    static void setHandler(std::function<int(QDialog&)> handler);
};
