#pragma once

#include "Dialogs.h"
#include "FileWriter.h"

#include <QString>
#include <QStringList>

// File and folder utilities over program paths ("\" or "/" separated, every
// one mapped through paths::toFileSystem). Members that name a message
// report a failure in an exclamation box, built from a text, the name given
// and a closing text, and return false; the others report nothing. Copies
// are written through a files::IFileWriter, so a failed copy never leaves a
// destination half written.
//
// This system has no drive letters: a path's drive is empty, and the drives
// are the mounted volumes.
class clsDir final {
 public:
  explicit clsDir(dlg::IDialogs& dialogos, files::IFileWriter& gravador = files::disk());
  Q_DISABLE_COPY_MOVE(clsDir)

  // Copies the file, replacing `destino` when it exists.
  bool CopiarArquivo(const QString& origem, const QString& destino, bool substituir);
  // Renames an existing file; false (silently) when it does not exist, with
  // the message when the rename fails (a file of the new name exists).
  bool RenomearArquivo(const QString& nomeAtual, const QString& nomeNovo);
  bool ApagarArquivo(const QString& arquivo);
  // Whether a file (not a folder) of that name exists.
  bool ExisteArquivo(const QString& arquivo);
  // Fails when `destino` exists.
  bool MoverArquivo(const QString& origem, const QString& destino);
  // Deletes every file directly in the folder.
  void ApagarTodosArquivos(const QString& diretorio);
  // Renames the file to its name up to its first "." followed by
  // `extensao` ("a.tar.gz", "txt" -> "a.txt"); a name without "." gets one.
  void MudarExtensao(const QString& arquivo, const QString& extensao);
  // The same for every file directly in the folder.
  void MudarExtensaoArquivos(const QString& diretorio, const QString& extensao);
  // The last component of the path; its extension (after its last ".").
  QString ObterNomeArquivo(const QString& caminho) const;
  QString ObterExtensaoArquivo(const QString& arquivo) const;
  // Read-only: no one may write the file.
  void DefinirSomenteLeitura(const QString& arquivo, bool definir);
  bool ObterSomenteLeitura(const QString& arquivo);
  // The path without its drive (here the path itself).
  QString ExtrairLetraDrive(const QString& arquivo);
  // The file-open dialog; the chosen path, or "" when cancelled. `filtro`
  // is pairs of description and patterns ended by "|" or NUL.
  QString AbrirArquivo(const QString& titulo, const QString& filtro, const QString& dirInicial = QString());
  // Copies the folder's content into `destino` (made when missing); existing
  // files are replaced only when `substituir`, else the copy fails.
  bool CopiarPasta(const QString& origem, const QString& destino, bool substituir);
  // Creates one folder; fails when it exists or its parent does not.
  bool NovaPasta(const QString& pasta);
  // Creates every missing level of the path; true when it exists at the end.
  bool NovasPastas(const QString& caminho);
  bool RenomearPasta(const QString& pasta, const QString& nova);
  // Deletes the folder and everything in it.
  bool ApagarPasta(const QString& pasta);
  bool ExistePasta(const QString& pasta);
  bool MoverPasta(const QString& origem, const QString& destino);
  // The last folder name of the path, without separators.
  QString ObterNomePasta(const QString& caminho);
  // The folder chooser under the prompt `Title`: the chosen folder without a
  // final separator (the root stays "/"), or "" when cancelled.
  QString AbrirPasta(const QString& Title, bool showNetwork = true);
  // False, after a critical message listing the forbidden characters, when
  // the name holds one of \ / : * ? < > | " '. An empty name is valid.
  bool NomeValido(const QString& nome);
  // The drive of the path: always empty here.
  QString ObterLetraDrive(const QString& arquivo);
  // Whether the volume that holds the path is mounted and ready.
  bool ExisteDrive(const QString& arquivo);
  // The root of every mounted volume.
  QStringList ObterDrives();
  // The path of an existing file (there are no short names), else "".
  QString ObterNomeCurto(const QString& arquivo);
  // The path before its last separator.
  QString ObterCaminho(const QString& arquivo);
  // The file's size in bytes; 0 after the message when it does not exist.
  float ObterTamanhoArquivo(const QString& arquivo);
  // Both exist and have the same size.
  bool TamanhoArquivosIguais(const QString& arquivo1, const QString& arquivo2);

 private:
  // Shows "<antes><nome><depois>" with the exclamation icon under `titulo`.
  void avisa(const QString& antes, const QString& nome, const QString& depois, const QString& titulo);
  QStringList arquivosDe(const QString& diretorio);
  bool copiaUmArquivo(const QString& origem, const QString& destino);

  dlg::IDialogs& m_dialogos;
  files::IFileWriter& m_gravador;
};
