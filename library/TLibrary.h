#pragma once
// The material and section library of the deflection tab: the built-in entries and the user's
// own ones, which live in a text file in the user's data folder.
#include <QString>
#include <QStringList>
#include <vector>

enum class TLibraryKind { Materials, Sections };

struct TLibraryEntry
{
    QString Name;
    double Value = 0; // E in GPa or Iy in mm4
    bool BuiltIn = false;
};

QString LibraryUnit(TLibraryKind kind); // "GPa" or "mm4"

// The built-in entries in store order: materials by kind, then strength; sections by series, then
// height.
std::vector<TLibraryEntry> BuiltInMaterials();
std::vector<TLibraryEntry> BuiltInSections();

// The user's file: <data folder>/knihovna.txt.
QString UserLibraryPath();

class TLibrary
{
public:
    TLibrary(); // the built-in entries only

    // Built-in entries first, then the user's in their own order.
    const std::vector<TLibraryEntry>& Entries(TLibraryKind kind) const;
    // The lines name=value that the deflection tab's lists read, with the system's decimal separator.
    QStringList StoreLines(TLibraryKind kind) const;
    const TLibraryEntry* Find(TLibraryKind kind, const QString& name) const;

    // The user's entries from the text of their file, replacing those held. Damaged lines and names
    // already taken are skipped; the messages name them.
    QStringList ReadUserText(const QString& text);
    QString UserText() const;

    // Reading a missing file gives no entries and no message. The path is kept for saving.
    QStringList LoadUserFile(const QString& path);
    QString UserFilePath() const { return Path; }
    // Writes the user's entries as a whole: a failed write keeps the file as it was (TError).
    void SaveUserFile() const;

    // Why an entry cannot be added or changed into `name` and `value`; empty when it can. `replacing`
    // is the index in Entries() of the user's entry being changed, -1 for a new one.
    QString EntryProblem(TLibraryKind kind, const QString& name, double value, int replacing = -1) const;
    void AddUserEntry(TLibraryKind kind, const QString& name, double value);
    void ChangeUserEntry(TLibraryKind kind, int index, const QString& name, double value);
    void RemoveUserEntry(TLibraryKind kind, int index);

private:
    std::vector<TLibraryEntry>& List(TLibraryKind kind);
    std::vector<TLibraryEntry> Materials, Sections;
    QString Path;
};
