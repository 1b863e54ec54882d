#pragma once

#include <QWidget>

namespace wl3::ui {

// A group box that is only a picture: an etched frame whose top line runs through the
// middle of its title, so that the controls placed over it keep their own positions.
class GroupFrame : public QWidget {
    Q_OBJECT

public:
    GroupFrame(const QString& title, QWidget* parent);

    QString title() const { return title_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
};

} // namespace wl3::ui
