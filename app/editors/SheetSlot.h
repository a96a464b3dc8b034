#pragma once

class QLabel;
class QLineEdit;
class QPushButton;

// One result slot as the meet sheet shows it: the runner's button, the hidden label that
// holds "runner-Pin join-Pin", and the four number boxes. A relay's four legs share the
// relay's boxes, and each has its own split box.
struct SheetSlot
{
    QPushButton* button = nullptr;
    QLabel* label = nullptr;
    QLineEdit* place = nullptr;
    QLineEdit* points = nullptr;
    QLineEdit* mark1 = nullptr;
    QLineEdit* mark2 = nullptr;
    QLineEdit* split = nullptr;
};
