#pragma once
// Asks where to save the chart of a window, and saves it there: the dialog
// proposes "<document>.png" in the folder used last (the toolkit changes the
// extension with the file type), and a name without an image extension takes
// the one of the chosen type.

#include <QFileDialog>
#include <QPointer>
#include <QSize>

class CSorvView;

class CSaveImageDialog : public QFileDialog {
    Q_OBJECT
public:
    // areaMm: the printable area a PDF is printed on.
    CSaveImageDialog(CSorvView* view, QSize areaMm, QWidget* parent);

    // The folder proposed: the one used last, or the user's pictures.
    static QString LastFolder();
    // path with the extension of the file type of filter unless it has the
    // extension of one of the types.
    static QString WithImageSuffix(const QString& path, const QString& filter);

private:
    void SaveAs(const QString& path);

    QPointer<CSorvView> m_pView;
    QSize m_areaMm;
};
