#include "clsDir.h"

#include "ProgramPaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

QString fs(const QString& caminho) { return paths::toFileSystem(caminho); }

// Position of the last "\" or "/", or -1.
qsizetype ultimaBarra(const QString& caminho) {
  return std::max(caminho.lastIndexOf(u'\\'), caminho.lastIndexOf(u'/'));
}

// The file's own write bits (not whether this user may write it: root may).
constexpr QFileDevice::Permissions kEscrita = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

}  // namespace

clsDir::clsDir(dlg::IDialogs& dialogos, files::IFileWriter& gravador) : m_dialogos(dialogos), m_gravador(gravador) {}

void clsDir::avisa(const QString& antes, const QString& nome, const QString& depois, const QString& titulo) {
  // A title of one blank: the box shows no title rather than the product's.
  m_dialogos.MsgBox(antes + nome + depois, dlg::vbExclamation, titulo.isEmpty() ? QStringLiteral(" ") : titulo);
}

bool clsDir::copiaUmArquivo(const QString& origem, const QString& destino) {
  QFile entrada(origem);
  if (!QFileInfo(origem).isFile() || !entrada.open(QIODevice::ReadOnly)) return false;
  if (!m_gravador.write(destino, entrada)) return false;
  QFile::setPermissions(destino, entrada.permissions());
  return true;
}

bool clsDir::CopiarArquivo(const QString& origem, const QString& destino, bool) {
  // The destination is replaced whole in one rename, so it need not be
  // deleted first (a failed copy then keeps it).
  if (copiaUmArquivo(fs(origem), fs(destino))) return true;
  avisa(QStringLiteral("Não foi possível copiar o arquivo "), origem, QStringLiteral("."),
        QStringLiteral("Copiar arquivo."));
  return false;
}

bool clsDir::RenomearArquivo(const QString& nomeAtual, const QString& nomeNovo) {
  if (!ExisteArquivo(nomeAtual)) return false;
  if (QFile::rename(fs(nomeAtual), fs(nomeNovo))) return true;
  avisa(QStringLiteral("Não foi possível renomear o arquivo "), nomeAtual, QStringLiteral("."),
        QStringLiteral("Renomear arquivo"));
  return false;
}

bool clsDir::ApagarArquivo(const QString& arquivo) {
  if (QFileInfo(fs(arquivo)).isFile() && QFile::remove(fs(arquivo))) return true;
  avisa(QStringLiteral("Não foi possível apagar o arquivo "), arquivo, QStringLiteral("."),
        QStringLiteral("Apagar arquivo"));
  return false;
}

bool clsDir::ExisteArquivo(const QString& arquivo) { return QFileInfo(fs(arquivo)).isFile(); }

bool clsDir::MoverArquivo(const QString& origem, const QString& destino) {
  if (QFileInfo(fs(origem)).isFile() && !QFileInfo::exists(fs(destino)) && QFile::rename(fs(origem), fs(destino)))
    return true;
  avisa(QStringLiteral("Não foi possível mover o arquivo "), origem, QStringLiteral("."),
        QStringLiteral("Mover arquivo"));
  return false;
}

QStringList clsDir::arquivosDe(const QString& diretorio) {
  return QDir(fs(diretorio)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

void clsDir::ApagarTodosArquivos(const QString& diretorio) {
  if (!QFileInfo(fs(diretorio)).isDir()) {
    avisa(QStringLiteral("Não foi possível apagar todos os arquivos do diretório "), diretorio, QStringLiteral("."),
          QStringLiteral("Apagar todos os arquivos"));
    return;
  }
  for (const QString& nome : arquivosDe(diretorio)) ApagarArquivo(diretorio + nome);
}

void clsDir::MudarExtensao(const QString& arquivo, const QString& extensao) {
  if (!ExisteArquivo(arquivo)) return;
  // The first "." of the file's own name: a folder's dot is not its extension.
  const qsizetype inicioNome = ultimaBarra(arquivo) + 1;
  const qsizetype ponto = arquivo.indexOf(u'.', inicioNome);
  const QString novo = (ponto < 0 ? arquivo + u'.' : arquivo.left(ponto + 1)) + extensao;
  if (novo == arquivo) return;
  if (!QFile::rename(fs(arquivo), fs(novo))) {
    avisa(QStringLiteral("Não foi possível mudar a extensão do arquivo "), arquivo,
          QStringLiteral(" para .") + extensao + u'.', QStringLiteral("Mudar extensão do arquivo"));
  }
}

void clsDir::MudarExtensaoArquivos(const QString& diretorio, const QString& extensao) {
  if (!QFileInfo(fs(diretorio)).isDir()) {
    avisa(QStringLiteral("Não foi possível mudar a extensão do arquivo "), diretorio, QStringLiteral("."),
          QStringLiteral("Mudar extensão de arquivos"));
    return;
  }
  QString pasta = diretorio;
  if (!pasta.endsWith(u'\\') && !pasta.endsWith(u'/')) pasta += u'\\';
  for (const QString& nome : arquivosDe(diretorio)) MudarExtensao(pasta + nome, extensao);
}

QString clsDir::ObterNomeArquivo(const QString& caminho) const { return caminho.mid(ultimaBarra(caminho) + 1); }

QString clsDir::ObterExtensaoArquivo(const QString& arquivo) const {
  const QString nome = ObterNomeArquivo(arquivo);
  const qsizetype ponto = nome.lastIndexOf(u'.');
  return ponto < 0 ? QString() : nome.mid(ponto + 1);
}

void clsDir::DefinirSomenteLeitura(const QString& arquivo, bool definir) {
  const QString caminho = fs(arquivo);
  const QFileDevice::Permissions atuais = QFile::permissions(caminho);
  const QFileDevice::Permissions novas =
      definir ? atuais & ~(kEscrita | QFileDevice::WriteUser) : atuais | QFileDevice::WriteOwner;
  if (!QFileInfo(caminho).isFile() || !QFile::setPermissions(caminho, novas)) {
    avisa(QStringLiteral("Não foi possível localizar o arquivo "), arquivo,
          QStringLiteral(" para defini-lo como somente leitura."), QString());
  }
}

bool clsDir::ObterSomenteLeitura(const QString& arquivo) {
  const QString caminho = fs(arquivo);
  if (!QFileInfo(caminho).isFile()) {
    avisa(QStringLiteral("Arquivo "), arquivo, QStringLiteral(" não encontrado."),
          QStringLiteral("Obter propriedade arquivo"));
    return false;
  }
  return (QFile::permissions(caminho) & kEscrita) == 0;
}

QString clsDir::ExtrairLetraDrive(const QString& arquivo) { return arquivo.mid(ObterLetraDrive(arquivo).size()); }

QString clsDir::AbrirArquivo(const QString& titulo, const QString& filtro, const QString& dirInicial) {
  return m_dialogos.GetOpenFileName(titulo, filtro, dirInicial.isEmpty() ? QString() : fs(dirInicial));
}

bool clsDir::CopiarPasta(const QString& origem, const QString& destino, bool substituir) {
  const QString de = fs(origem);
  const QString para = fs(destino);
  bool ok = QFileInfo(de).isDir() && QDir().mkpath(para);
  QDirIterator it(de, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (ok && it.hasNext()) {
    const QString item = it.next();
    const QString alvo = para + item.mid(de.size());
    if (it.fileInfo().isDir()) {
      ok = QDir().mkpath(alvo);
    } else {
      ok = (substituir || !QFileInfo::exists(alvo)) && copiaUmArquivo(item, alvo);
    }
  }
  if (!ok) avisa(QStringLiteral("Não foi possível copiar a pasta "), origem, QStringLiteral("."), QStringLiteral("Copiar pasta"));
  return ok;
}

bool clsDir::NovaPasta(const QString& pasta) {
  if (QDir().mkdir(fs(pasta))) return true;
  avisa(QStringLiteral("Não foi possível criar a pasta "), pasta, QStringLiteral("."), QStringLiteral("Nova pasta"));
  return false;
}

bool clsDir::NovasPastas(const QString& caminho) {
  QString partes = caminho;
  partes.replace(u'\\', u'/');
  const QStringList niveis = partes.split(u'/', Qt::SkipEmptyParts);
  QString atual = partes.startsWith(u'/') ? QStringLiteral("/") : QString();
  for (const QString& nivel : niveis) {
    atual += nivel;
    if (!ExistePasta(atual) && !NovaPasta(atual)) return false;
    atual += u'/';
  }
  return ExistePasta(caminho);
}

bool clsDir::RenomearPasta(const QString& pasta, const QString& nova) {
  if (QFileInfo(fs(pasta)).isDir() && !QFileInfo::exists(fs(nova)) && QDir().rename(fs(pasta), fs(nova))) return true;
  avisa(QStringLiteral("Não foi possível renomear a pasta "), pasta, QStringLiteral("."),
        QStringLiteral("Renomear pasta"));
  return false;
}

bool clsDir::ApagarPasta(const QString& pasta) {
  if (QFileInfo(fs(pasta)).isDir() && QDir(fs(pasta)).removeRecursively()) return true;
  avisa(QStringLiteral("Não foi possível apagar a pasta "), pasta, QStringLiteral("."), QString());
  return false;
}

bool clsDir::ExistePasta(const QString& pasta) { return QFileInfo(fs(pasta)).isDir(); }

bool clsDir::MoverPasta(const QString& origem, const QString& destino) {
  if (QFileInfo(fs(origem)).isDir() && !QFileInfo::exists(fs(destino)) && QDir().rename(fs(origem), fs(destino)))
    return true;
  avisa(QStringLiteral("Não foi possível mover a pasta "), origem, QStringLiteral("."), QString());
  return false;
}

QString clsDir::ObterNomePasta(const QString& caminho) {
  QString semBarra = caminho;
  while (semBarra.endsWith(u'\\') || semBarra.endsWith(u'/')) semBarra.chop(1);
  return ObterNomeArquivo(semBarra);
}

QString clsDir::AbrirPasta(const QString& Title, bool showNetwork) {
  QString pasta = m_dialogos.BrowseForFolder(Title, showNetwork);
  const qsizetype nul = pasta.indexOf(QChar(u'\0'));
  if (nul >= 0) pasta.truncate(nul);
  if (pasta.size() > 1 && (pasta.endsWith(u'/') || pasta.endsWith(u'\\'))) pasta.chop(1);
  return pasta;
}

bool clsDir::NomeValido(const QString& nome) {
  static const QString kProibidos = QStringLiteral("\\/:*?<>|\"'");
  for (const QChar c : nome) {
    if (!kProibidos.contains(c)) continue;
    QStringList lista;
    for (const QChar p : kProibidos) lista << QString(p);
    m_dialogos.MsgBox(QStringLiteral("Os nomes de arquivos ou pastas não podem ser nulos e nem conter nenhum dos "
                                     "seguintes caracteres:\n\n") +
                          lista.join(QStringLiteral("  ")),
                      dlg::vbCritical, QStringLiteral(" "));
    return false;
  }
  return true;
}

QString clsDir::ObterLetraDrive(const QString& /*arquivo*/) { return QString(); }

bool clsDir::ExisteDrive(const QString& arquivo) {
  const QStorageInfo volume(QFileInfo(fs(arquivo)).absolutePath());
  return volume.isValid() && volume.isReady();
}

QStringList clsDir::ObterDrives() {
  QStringList raizes;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid()) raizes << volume.rootPath();
  }
  return raizes;
}

QString clsDir::ObterNomeCurto(const QString& arquivo) { return ExisteArquivo(arquivo) ? fs(arquivo) : QString(); }

QString clsDir::ObterCaminho(const QString& arquivo) {
  const qsizetype barra = ultimaBarra(arquivo);
  return barra < 0 ? QString() : arquivo.left(barra);
}

float clsDir::ObterTamanhoArquivo(const QString& arquivo) {
  const QFileInfo info(fs(arquivo));
  if (info.isFile()) return static_cast<float>(info.size());
  avisa(QStringLiteral("Não foi possível obter o tamanho do arquivo "), arquivo,
        QStringLiteral(". Verificar se ele realmente existe."), QStringLiteral("Obter tamanho do arquivo"));
  return 0;
}

bool clsDir::TamanhoArquivosIguais(const QString& arquivo1, const QString& arquivo2) {
  return ExisteArquivo(arquivo1) && ExisteArquivo(arquivo2) &&
         ObterTamanhoArquivo(arquivo1) == ObterTamanhoArquivo(arquivo2);
}
