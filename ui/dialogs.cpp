#include "ui/dialogs.h"
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QQueue>
#include <optional>

namespace {
QQueue<QMessageBox::StandardButton> answers;
QStringList texts;
QStringList titles;
QStringList details;
bool headless = false;
QQueue<QString> fileNames;
std::function<int(QDialog&)> modalHandler;
std::function<void(const QString&)> unansweredHandler;

QMessageBox::Icon qtIcon(MessageBox::Icon icon)
{
    switch (icon) {
    case MessageBox::Information:
        return QMessageBox::Information;
    case MessageBox::Exclamation:
        return QMessageBox::Warning;
    case MessageBox::Critical:
        return QMessageBox::Critical;
    case MessageBox::NoIcon:
        break;
    }
    return QMessageBox::NoIcon;
}

const QString textFilter = QStringLiteral("Tekstitiedostot (*.txt)");

// The answer queued for a question with these buttons. While headless, a question without one,
// or with one it has no button for, goes to the handler (a test fails on it).
std::optional<QMessageBox::StandardButton> queuedAnswer(const QString& text,
                                                        QMessageBox::StandardButtons buttons)
{
    if (!answers.isEmpty() && buttons.testFlag(answers.head()))
        return answers.dequeue();
    if (headless && unansweredHandler)
        unansweredHandler(answers.isEmpty() ? text
                                            : text + QStringLiteral(" (wrong kind of answer)"));
    return std::nullopt;
}
} // namespace

std::unique_ptr<QMessageBox> MessageBox::build(QWidget* parent, const QString& title,
                                               const QString& text, Icon icon,
                                               QMessageBox::StandardButtons buttons,
                                               const QString& detail)
{
    auto box = std::make_unique<QMessageBox>(qtIcon(icon), title, QString(), buttons, parent);
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    // Shown at once below the text, not behind a button: it is the part that tells apart
    // failures that share one main text.
    box->setInformativeText(detail);
    // The detail's label takes any format and opens links by itself.
    for (QLabel* label : box->findChildren<QLabel*>()) {
        label->setTextFormat(Qt::PlainText);
        label->setOpenExternalLinks(false);
    }
    return box;
}

void MessageBox::show(QWidget* parent, const QString& title, const QString& text, Icon icon,
                      const QString& detail)
{
    texts << text;
    titles << title;
    details << detail;
    if (headless)
        return;
    build(parent, title, text, icon, QMessageBox::Ok, detail)->exec();
}

bool MessageBox::ask(QWidget* parent, const QString& title, const QString& text, Icon icon)
{
    texts << text;
    titles << title;
    details << QString();
    if (const auto queued = queuedAnswer(text, QMessageBox::Yes | QMessageBox::No))
        return *queued == QMessageBox::Yes;
    if (headless)
        return false;
    const auto box = build(parent, title, text, icon, QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::No);
    return box->exec() == QMessageBox::Yes;
}

QMessageBox::StandardButton MessageBox::askToSave(QWidget* parent, const QString& title,
                                                  const QString& text)
{
    texts << text;
    titles << title;
    details << QString();
    const auto buttons = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    if (const auto queued = queuedAnswer(text, buttons))
        return *queued;
    if (headless)
        return QMessageBox::Cancel;
    const auto box = build(parent, title, text, Exclamation, buttons);
    // The translation's words for these differ; the program says what each one does.
    box->button(QMessageBox::Save)->setText(QStringLiteral("Tallenna"));
    box->button(QMessageBox::Discard)->setText(QStringLiteral("Älä tallenna"));
    box->button(QMessageBox::Cancel)->setText(QStringLiteral("Peruuta"));
    box->setDefaultButton(QMessageBox::Save);
    box->setEscapeButton(QMessageBox::Cancel);
    const int chosen = box->exec();
    return chosen == QMessageBox::Save || chosen == QMessageBox::Discard
               ? QMessageBox::StandardButton(chosen)
               : QMessageBox::Cancel;
}

void MessageBox::setNextAnswer(bool yes)
{
    answers.enqueue(yes ? QMessageBox::Yes : QMessageBox::No);
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton button)
{
    answers.enqueue(button);
}

int MessageBox::queuedAnswers()
{
    return int(answers.size());
}

QStringList MessageBox::shownTexts()
{
    return texts;
}

QStringList MessageBox::shownTitles()
{
    return titles;
}

QStringList MessageBox::shownDetails()
{
    return details;
}

void MessageBox::reset()
{
    answers.clear();
    texts.clear();
    titles.clear();
    details.clear();
    fileNames.clear();
}

void MessageBox::setHeadless(bool value)
{
    headless = value;
}

void MessageBox::setUnansweredHandler(std::function<void(const QString& text)> handler)
{
    unansweredHandler = std::move(handler);
}

QString FileDialog::getOpenFileName(QWidget* parent, const QString& initialName)
{
    if (!fileNames.isEmpty())
        return fileNames.dequeue();
    if (headless)
        return QString();
    QFileDialog dialog(parent, QString(), QString(), textFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(initialName);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString FileDialog::getSaveFileName(QWidget* parent, const QString& initialName,
                                    bool dialogConfirmsOverwrite)
{
    if (!fileNames.isEmpty())
        return fileNames.dequeue();
    if (headless)
        return QString();
    QFileDialog dialog(parent, QString(), QString(), textFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !dialogConfirmsOverwrite);
    dialog.selectFile(initialName);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void FileDialog::setNextFileName(const QString& path)
{
    fileNames.enqueue(path);
}

int FileDialog::queuedFileNames()
{
    return int(fileNames.size());
}

int ModalRunner::exec(QDialog& dialog)
{
    if (modalHandler)
        return modalHandler(dialog);
    return dialog.exec();
}

void ModalRunner::setHandler(std::function<int(QDialog&)> handler)
{
    modalHandler = std::move(handler);
}
