#ifndef SETTING_H
#define SETTING_H

#include <QString>
#include <QStringList>
#include <QWidget>

namespace Ui {
class Setting;
}

// The settings page: units, language, report template, folders and the
// software manual. Every row is three buttons acting as one click target.
class Setting : public QWidget
{
    Q_OBJECT

public:
    explicit Setting(QWidget *parent = nullptr);
    ~Setting() override;

    // Shows the six current settings.
    void refreshValues();

    // File name of the software manual.
    static QString manualFileName();
    // Folders searched for the manual, in order: the working directory,
    // the executable's folder, then the installed data folder.
    static QStringList manualFolders();
    // Full path of the first manual found in folders, or empty.
    static QString findManual(const QStringList &folders);

signals:
    void changeLanguage(QString language);
    void SignalsChangeConfig(qint8 configType);

private slots:
    void AboutGClickResponse(int id);
    void distenceUnitGClickResponse(int id);
    void folderPathGClickResponse(int id);
    void PDFPathGClickResponse(int id);
    void languageGClickResponse(int id);
    void pdfExcelGClickResponse(int id);
    void tempUnitGClickResponse(int id);
    void softwareGClickResponse(int id);

protected:
    void changeEvent(QEvent *event) override;

private:
    // Modal item chooser; returns the confirmed, non-empty choice or empty.
    QString chooseItem(const QString &title, const QString &label,
                       const QStringList &items, int current);

    Ui::Setting *ui;
};

#endif // SETTING_H
