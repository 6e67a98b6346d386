#include "dialogs/DataExchange.h"

#include "dialogs/ByteLimitValidator.h"
#include "settings/FieldRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>

namespace {

// A message of the field rules in the language of the user interface.
QString Shown(const FieldMessage& message)
{
    QString text = QCoreApplication::translate("FieldRules", message.text);
    for (const std::string& arg : message.args)
        text = text.arg(QString::fromStdString(arg));
    return text;
}

}  // namespace

CDataExchange::CDataExchange(QWidget* dialog, bool saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDialog(dialog)
{
}

template <class T, class Read>
void CDataExchange::Field(QLineEdit* edit, T& value, const QString& shown, Read read)
{
    if (m_bFailed)
        return;
    if (!m_bSaveAndValidate) {
        edit->setText(shown);
        return;
    }
    const FieldResult<T> r = read(edit->text().toStdString());
    if (!r.ok) {
        Fail(edit, r.message);
        return;
    }
    value = r.value;
}

void CDataExchange::Fail(QLineEdit* edit, const FieldMessage& message)
{
    m_bFailed = true;
    QMessageBox::warning(m_pDialog, QGuiApplication::applicationDisplayName(), Shown(message));
    // Only the failing field shows a selection, even when the focus left
    // another edit while the message was up.
    for (QLineEdit* other : m_pDialog->findChildren<QLineEdit*>())
        other->deselect();
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

void CDataExchange::Int(QLineEdit* edit, int& value, int min, int max)
{
    Field(edit, value, QString::number(value),
          [&](const std::string& text) { return FieldRules::ReadInt(text, min, max); });
}

void CDataExchange::Unsigned(QLineEdit* edit, unsigned& value, unsigned min, unsigned max)
{
    Field(edit, value, QString::number(value),
          [&](const std::string& text) { return FieldRules::ReadUnsigned(text, min, max); });
}

void CDataExchange::Number(QLineEdit* edit, double& value)
{
    Field(edit, value, QString::fromStdString(FieldRules::FormatNumber(value)),
          [](const std::string& text) { return FieldRules::ReadDouble(text); });
}

void CDataExchange::DateTime(QLineEdit* edit, double& value)
{
    Field(edit, value, QString::fromStdString(FieldRules::FormatDateTimeField(value)),
          [](const std::string& text) { return FieldRules::ReadDateTime(text); });
}

void CDataExchange::Number(QLineEdit* edit, double& value, double min, double max)
{
    Field(edit, value, QString::fromStdString(FieldRules::FormatNumber(value)),
          [&](const std::string& text) { return FieldRules::ReadDouble(text, min, max); });
}

void CDataExchange::Text(QLineEdit* edit, QString& value, int maxBytes)
{
    if (m_bFailed)
        return;
    if (m_bSaveAndValidate) {
        const FieldResult<std::string> r = FieldRules::ReadText(edit->text().toStdString(), maxBytes);
        if (!r.ok)
            Fail(edit, r.message);
        else
            value = edit->text();
        return;
    }
    // A preset text is shown whole, even one longer than the limit; only
    // typing is held to it.
    const QValidator* old = edit->validator();
    edit->setValidator(nullptr);
    delete old;
    edit->setText(value);
    edit->setValidator(new CByteLimitValidator(edit, maxBytes));
}

void CDataExchange::Check(QCheckBox* box, bool& value)
{
    if (m_bFailed)
        return;
    if (m_bSaveAndValidate)
        value = box->isChecked();
    else
        box->setChecked(value);
}

void CDataExchange::Index(QComboBox* box, int& value)
{
    if (m_bFailed)
        return;
    if (m_bSaveAndValidate)
        value = box->currentIndex();
    else
        box->setCurrentIndex(value);
}
