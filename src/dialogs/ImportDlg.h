#pragma once
// The options of an import with a live preview: the first lines of the file
// as they will be read (labels, x and values) and what detection found.

#include "read/ImportDetect.h"
#include "read/ImportOptions.h"

#include <QDialog>

#include <string>

class CImportColumnList;
class CDocSnapshot;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;

class CImportDlg : public QDialog {
    Q_OBJECT
public:
    // name: the file's name, for the title; head: the first lines of the
    // file, whole (empty for a stream, which has no preview); detection:
    // what DetectImport found in them, the options the dialog starts from
    // (the header and the first column's role start as automatic).
    CImportDlg(const QString& name, std::string head, const ImportDetection& detection, QWidget* parent = nullptr);

    // The options as chosen.
    ImportOptions Options() const;

    QComboBox* m_comboSeries;      // each line or each column a series
    QComboBox* m_comboDelimiter;
    QComboBox* m_comboHeader;      // automatic, yes, no
    QComboBox* m_comboFirstColumn; // automatic, x, labels, series, left out
    QComboBox* m_comboXColumn;     // each column a series: the first column's role, or a column as x
    QSpinBox* m_spinXRow;          // each line a series: a row of data as x (0: none)
    CImportColumnList* m_listColumns;
    QSpinBox* m_spinSkip;
    QLineEdit* m_editComment;
    QCheckBox* m_checkDecimalComma;
    QLabel* m_labelDetected;
    QTableWidget* m_tablePreview;
    QLabel* m_labelPreview;        // what the preview's import said

private:
    void SetOptions(const ImportOptions& o);
    void UpdateColumns();
    void UpdatePreview();
    void ShowResolved(const ImportOptions& used);
    void ShowTable(const CDocSnapshot& doc, bool columns);

    std::string m_head;
};
