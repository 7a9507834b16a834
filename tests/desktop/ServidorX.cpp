#include "ServidorX.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char** environ;

namespace {

constexpr int kPrazoMs = 15000;

pid_t executa(std::vector<QByteArray> argumentos, const posix_spawn_file_actions_t* acoes) {
  std::vector<char*> argv;
  for (QByteArray& a : argumentos) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  return posix_spawnp(&pid, argv[0], acoes, nullptr, argv.data(), environ) == 0 ? pid : -1;
}

// The display number Xvfb writes on its -displayfd pipe once it listens.
QByteArray leNumero(int fd) {
  QByteArray numero;
  QElapsedTimer relogio;
  relogio.start();
  while (relogio.elapsed() < kPrazoMs) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 100) <= 0) continue;
    char c = 0;
    if (::read(fd, &c, 1) != 1) break;
    if (c == '\n') return numero;
    numero.append(c);
  }
  return QByteArray();
}

// The manager has taken the screen once it names itself on the root window.
bool gerenciadorAtivo() {
  Display* x = XOpenDisplay(nullptr);
  if (x == nullptr) return false;
  const Atom verificacao = XInternAtom(x, "_NET_SUPPORTING_WM_CHECK", False);
  Atom tipo = None;
  int formato = 0;
  unsigned long n = 0, resto = 0;
  unsigned char* dados = nullptr;
  const bool ativo = XGetWindowProperty(x, DefaultRootWindow(x), verificacao, 0, 1, False, XA_WINDOW, &tipo, &formato,
                                        &n, &resto, &dados) == Success &&
                     n == 1;
  if (dados != nullptr) XFree(dados);
  XCloseDisplay(x);
  return ativo;
}

// Whether the process still runs; one that ended is reaped and forgotten.
bool vivo(pid_t& pid) {
  if (pid <= 0) return false;
  if (::waitpid(pid, nullptr, WNOHANG) == 0) return true;
  pid = -1;
  return false;
}

void encerra(pid_t& pid) {
  if (pid <= 0) return;
  ::kill(pid, SIGTERM);
  ::waitpid(pid, nullptr, 0);
  pid = -1;
}

}  // namespace

// Servers started together may pick the same free display: one of them then
// fails, and a new try picks another.
bool ServidorX::inicia(QString& erro) {
  for (int tentativa = 0; tentativa < 5; ++tentativa) {
    if (tenta(erro)) return true;
    encerra(m_openbox);
    encerra(m_xvfb);
  }
  return false;
}

bool ServidorX::tenta(QString& erro) {
  int canal[2];
  if (::pipe(canal) != 0) return erro = QStringLiteral("no pipe"), false;
  posix_spawn_file_actions_t acoes;
  posix_spawn_file_actions_init(&acoes);
  posix_spawn_file_actions_addclose(&acoes, canal[0]);
  m_xvfb = executa({"Xvfb", "-displayfd", QByteArray::number(canal[1]), "-screen", "0", "1280x1024x24", "-nolisten",
                    "tcp"},
                   &acoes);
  posix_spawn_file_actions_destroy(&acoes);
  ::close(canal[1]);
  const QByteArray numero = m_xvfb > 0 ? leNumero(canal[0]) : QByteArray();
  ::close(canal[0]);
  if (numero.isEmpty()) return erro = QStringLiteral("Xvfb did not start"), false;
  qputenv("DISPLAY", ":" + numero);

  m_openbox = executa({"openbox", "--sm-disable"}, nullptr);
  QElapsedTimer relogio;
  relogio.start();
  while (!gerenciadorAtivo()) {
    if (!vivo(m_xvfb) || !vivo(m_openbox) || relogio.elapsed() > kPrazoMs)
      return erro = QStringLiteral("openbox did not start on display :") + QString::fromLatin1(numero), false;
    QThread::msleep(20);
  }
  return true;
}

ServidorX::~ServidorX() {
  encerra(m_openbox);
  encerra(m_xvfb);
}
