#pragma once
// The frame shared by the settings dialogs: the dialog font, OK (default) and
// Cancel stacked at the top right, and the data exchange that writes the
// members into the controls on opening and reads and checks them on OK.

#include <QDialog>
#include <QFont>
#include <initializer_list>
#include <utility>

class CDataExchange;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

class CSettingsDialog : public QDialog {
    Q_OBJECT
public:
    // "ＭＳ Ｐゴシック" 9 pt, drawn with the IPA face of the same metrics; the
    // font of every dialog of the program.
    static QFont DialogFont();

    // Reads and checks every field; the dialog closes only when all pass.
    void accept() override;

protected:
    CSettingsDialog(const QString& caption, QWidget* parent);

    // Writes (opening) or reads (OK) the members, field by field in declaration order.
    virtual void DoDataExchange(CDataExchange& dx) = 0;

    void showEvent(QShowEvent* event) override;

    // Dialog units of the dialog font: sizes follow the font and the screen.
    int DluX(int n) const;
    int DluY(int n) const;

    // A centred, sunken label n dialog units wide.
    QLabel* NewLabel(const QString& text, int widthDlu);
    // An edit n dialog units wide.
    QLineEdit* NewEdit(int widthDlu);
    // A grid of labelled edits, one row each, the labels labelDlu wide.
    QGridLayout* NewEditGrid(std::initializer_list<std::pair<QString, QLineEdit*>> rows, int labelDlu);
    // A group box holding a grid.
    QGroupBox* NewGroup(const QString& title, QGridLayout* grid);

    // Puts the controls on the left and OK and Cancel on the right, and sets
    // the tab order: the given controls, then OK, then Cancel.
    void FinishLayout(QLayout* controls, std::initializer_list<QWidget*> tabOrder);

    QPushButton* m_btnOK;
    QPushButton* m_btnCancel;

private:
    QWidget* m_pFirst = nullptr;  // takes the focus on opening
};
