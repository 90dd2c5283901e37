#pragma once
#include <QDialog>
#include <memory>

namespace Ui {
class frmSamaTulos;
}

// Tells how many rows of an opened file were left out as already listed.
class frmSamaTulos : public QDialog
{
    Q_OBJECT
public:
    explicit frmSamaTulos(QWidget* parent = nullptr);
    ~frmSamaTulos() override;
    // Shows the count modally; the caller waits for "OK".
    static void ShowSamaLuku(qint64 Maara, QWidget* parent);

private:
    std::unique_ptr<Ui::frmSamaTulos> ui;
};
