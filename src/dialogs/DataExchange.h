#pragma once
// The data exchange of a settings dialog: one pass over its fields, in
// declaration order, either writing the members into the controls (on
// opening) or reading and checking them (on OK). The first field that fails
// shows its message, takes the focus with its text selected, and stops the pass.

#include <QString>
#include <string>

struct FieldMessage;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

class CDataExchange {
public:
    CDataExchange(QWidget* dialog, bool saveAndValidate);

    bool Failed() const { return m_bFailed; }

    // A signed integer within min..max.
    void Int(QLineEdit* edit, int& value, int min, int max);
    // An unsigned integer within min..max.
    void Unsigned(QLineEdit* edit, unsigned& value, unsigned min, unsigned max);
    // A number of any value.
    void Number(QLineEdit* edit, double& value);
    // A number within min..max.
    void Number(QLineEdit* edit, double& value, double min, double max);
    // A date-time (seconds on its own clock) shown as text; a number of seconds is read too.
    void DateTime(QLineEdit* edit, double& value);
    // A text of at most maxBytes Shift-JIS bytes; typing stops at the limit.
    void Text(QLineEdit* edit, QString& value, int maxBytes);
    void Check(QCheckBox* box, bool& value);
    // The index of the selected item, -1 for none.
    void Index(QComboBox* box, int& value);

    const bool m_bSaveAndValidate;

private:
    // Writes shown into the edit, or reads the edit with read into value.
    template <class T, class Read>
    void Field(QLineEdit* edit, T& value, const QString& shown, Read read);
    void Fail(QLineEdit* edit, const FieldMessage& message);

    QWidget* m_pDialog;
    bool m_bFailed = false;
};
