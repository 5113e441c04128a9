#pragma once

#include <QDialog>

namespace ttl {

// The program's name, version and licence, with the licence's full text to read.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);
};

// Opens the box over `parent` without blocking; it deletes itself when closed.
void ShowAboutBox(QWidget* parent);

} // namespace ttl
