#pragma once

#include <QDialog>

namespace Ui {
class Hilfe;
}

// Non-modal window with the help text: a heading, the read-only help
// document (ending with the logo) and a close button.
class Hilfe : public QDialog
{
    Q_OBJECT

public:
    explicit Hilfe(QWidget *parent = nullptr);
    ~Hilfe() override;

private:
    Ui::Hilfe *ui;
};
