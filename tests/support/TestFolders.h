#pragma once

#include <QString>
#include <QTemporaryDir>

// A private world for one test: a copy of the program folder, a notes
// folder, the user's data folder, and hive files that exist only when a test writes them. The
// environment points the program at them for the object's life.
class TestFolders final {
 public:
  // `copyProgram` copies the source tree's program folder into the world.
  explicit TestFolders(bool copyProgram = false);
  ~TestFolders();
  Q_DISABLE_COPY_MOVE(TestFolders)

  QString root() const { return dir_.path(); }
  QString programDir() const { return root() + QStringLiteral("/program"); }
  QString notesDir() const { return root() + QStringLiteral("/notas"); }
  QString userHive() const { return root() + QStringLiteral("/config/HKEY_CURRENT_USER.reg"); }
  QString machineHive() const { return root() + QStringLiteral("/HKEY_LOCAL_MACHINE.reg"); }
  // $XDG_DATA_HOME of the world (not created).
  QString dataHome() const { return root() + QStringLiteral("/data-home"); }

  // Writes `bytes` to `relativePath` under the root, making its folders.
  void write(const QString& relativePath, const QByteArray& bytes) const;
  QByteArray read(const QString& relativePath) const;
  // Puts a plain file where the folder `relativePath` (under the root) was,
  // so nothing can be made or written in it, even by root.
  void replaceWithFile(const QString& relativePath) const;
  // Neither the program folder's style sheets nor the user's data folder
  // can be written.
  void blockStyleSheets() const;

 private:
  QTemporaryDir dir_;
};
