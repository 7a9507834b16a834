// minivocabra-gerador: writes a large dictionary source for the benchmarks.
//
//   minivocabra-gerador WORDLIST OUTPUT [ENTRIES]
//
// Headwords are real Portuguese words taken evenly from WORDLIST (Debian's
// wportuguese list, /usr/share/dict/portuguese); definitions are sentences
// of words from the same list, drawn with a Zipf-like frequency so the text
// index sees a realistic mix of common and rare words. The output is the
// same every run.

#include "NormalizaPalavra.h"

#include <QByteArray>
#include <QFile>
#include <QSet>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

const char* const kFuncionais[] = {"de", "que", "o", "a", "e", "do", "da", "em", "um", "para", "com", "uma", "os",
                                   "no", "se", "na", "por", "mais", "as", "dos", "como", "ao", "das", "à", "ou",
                                   "seu", "sua", "quando", "muito", "nos", "já", "também", "pelo", "pela", "até",
                                   "entre", "sobre", "sem", "mesmo", "cada"};
const char* const kRubricas[] = {"Bot.", "Zool.", "Med.", "Mús.", "Inform.", "Culin.", "Mar.", "Fís.", "Quím.",
                                 "Gram.", "Jur.", "Mat.", "Geogr.", "Astron.", "Fig.", "Pop.", "Esp.", "Econ."};
const char* const kAbreviaturas[][2] = {
    {"s.m.", "substantivo masculino"}, {"s.f.", "substantivo feminino"}, {"adj.", "adjetivo"},
    {"adv.", "advérbio"}, {"art.", "artigo"}, {"conj.", "conjunção"}, {"pref.", "prefixo"},
    {"interj.", "interjeição"}, {"num.", "numeral"}, {"prep.", "preposição"}, {"pron.", "pronome"},
    {"v.t.d.", "verbo transitivo direto"}, {"v.i.", "verbo intransitivo"}, {"lat.", "latim"}, {"gr.", "grego"},
    {"Bot.", "botânica"}, {"Zool.", "zoologia"}, {"Med.", "medicina"}, {"Mús.", "música"},
    {"Inform.", "informática"}, {"Culin.", "culinária"}, {"Mar.", "marinha"}, {"Fís.", "física"},
    {"Quím.", "química"}, {"Gram.", "gramática"}, {"Jur.", "termo jurídico"}, {"Mat.", "matemática"},
    {"Geogr.", "geografia"}, {"Astron.", "astronomia"}, {"Fig.", "sentido figurado"}, {"Pop.", "uso popular"},
    {"Esp.", "esporte"}, {"Econ.", "economia"}};

const char kAr[] = "o;as;a;amos;ais;am;ava;avas;ava;ávamos;áveis;avam;ei;aste;ou;amos;astes;aram;ara;aras;ara;"
                   "áramos;áreis;aram;arei;arás;ará;aremos;areis;arão;aria;arias;aria;aríamos;aríeis;ariam;e;es;e;"
                   "emos;eis;em;asse;asses;asse;ássemos;ásseis;assem;ar;ares;ar;armos;ardes;arem;a;e;emos;ai;em;ar;"
                   "ares;ar;armos;ardes;arem;ando;ado";
const char kEr[] = "o;es;e;emos;eis;em;ia;ias;ia;íamos;íeis;iam;i;este;eu;emos;estes;eram;era;eras;era;êramos;"
                   "êreis;eram;erei;erás;erá;eremos;ereis;erão;eria;erias;eria;eríamos;eríeis;eriam;a;as;a;amos;"
                   "ais;am;esse;esses;esse;êssemos;êsseis;essem;er;eres;er;ermos;erdes;erem;e;a;amos;ei;am;er;eres;"
                   "er;ermos;erdes;erem;endo;ido";
const char kIr[] = "o;es;e;imos;is;em;ia;ias;ia;íamos;íeis;iam;i;iste;iu;imos;istes;iram;ira;iras;ira;íramos;"
                   "íreis;iram;irei;irás;irá;iremos;ireis;irão;iria;irias;iria;iríamos;iríeis;iriam;a;as;a;amos;"
                   "ais;am;isse;isses;isse;íssemos;ísseis;issem;ir;ires;ir;irmos;irdes;irem;e;a;amos;i;am;ir;ires;"
                   "ir;irmos;irdes;irem;indo;ido";

bool palavraUtil(const QString& w) {
  if (w.size() < 2 || w.size() > 30 || !w[0].isLower()) return false;
  for (const QChar c : w) {
    if (!c.isLetter() && c != u'-') return false;
  }
  return !modMain::NormalizaPalavra(w).isEmpty();
}

class Gerador final {
 public:
  Gerador(QStringList palavras, int total) : palavras_(std::move(palavras)), total_(total), sorte_(20240611) {
    std::vector<int> ordem(static_cast<std::size_t>(palavras_.size()));
    for (std::size_t i = 0; i < ordem.size(); ++i) ordem[i] = static_cast<int>(i);
    std::shuffle(ordem.begin(), ordem.end(), sorte_);
    ranque_ = ordem;
    double soma = 0;
    for (std::size_t r = 0; r < ordem.size(); ++r) {
      soma += 1.0 / (static_cast<double>(r) + 20.0);
      acumulado_.push_back(soma);
    }
  }

  QByteArray gera();
  qint64 bytesDeTexto() const { return bytesTexto_; }

 private:
  QString palavra();
  QString frase(int minimo, int maximo);
  void verbete(const QString& w, int homografo, QByteArray& saida);
  void classe(const QString& w, QByteArray& saida, QString& filtros, bool& verbo);
  int entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(sorte_); }
  bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(sorte_) < p; }
  void campo(QByteArray& saida, const char* nome, const QString& valor, bool texto = true) {
    saida += nome;
    saida += ": ";
    saida += valor.toUtf8();
    saida += '\n';
    if (texto) bytesTexto_ += valor.toUtf8().size();
  }

  QStringList palavras_;
  int total_;
  std::mt19937_64 sorte_;
  std::vector<int> ranque_;
  std::vector<double> acumulado_;
  qint64 bytesTexto_ = 0;
};

QString Gerador::palavra() {
  if (chance(0.42)) return QString::fromUtf8(kFuncionais[entre(0, std::size(kFuncionais) - 1)]);
  const double alvo = std::uniform_real_distribution<double>(0, acumulado_.back())(sorte_);
  const auto it = std::lower_bound(acumulado_.begin(), acumulado_.end(), alvo);
  return palavras_[ranque_[static_cast<std::size_t>(it - acumulado_.begin())]];
}

QString Gerador::frase(int minimo, int maximo) {
  const int n = entre(minimo, maximo);
  QString s;
  for (int i = 0; i < n; ++i) {
    QString w = palavra();
    if (i == 0) w[0] = w[0].toUpper();
    s += w;
    if (i + 1 < n) s += (chance(0.06) ? QStringLiteral(", ") : QStringLiteral(" "));
  }
  return s + u'.';
}

void Gerador::classe(const QString& w, QByteArray& saida, QString& filtros, bool& verbo) {
  static const char* const raros[] = {"art.", "conj.", "prep.", "pron.", "num.", "interj.", "pref."};
  verbo = w.size() >= 4 && (w.endsWith(u"ar") || w.endsWith(u"er") || w.endsWith(u"ir"));
  QString rotulo;
  if (verbo) {
    rotulo = chance(0.6) ? QStringLiteral("v.t.d.") : QStringLiteral("v.i.");
  } else if (chance(0.01)) {
    rotulo = QString::fromUtf8(raros[entre(0, std::size(raros) - 1)]);
  } else if (w.endsWith(u"mente")) {
    rotulo = QStringLiteral("adv.");
  } else if (w.endsWith(u'a') || w.endsWith(QString::fromUtf8("ção")) || w.endsWith(u"dade")) {
    rotulo = QStringLiteral("s.f.");
  } else {
    rotulo = chance(0.3) ? QStringLiteral("adj.") : QStringLiteral("s.m.");
  }
  campo(saida, "classe", rotulo, false);
  if (chance(0.02)) filtros += QStringLiteral(" giria");
  if (chance(0.02)) filtros += QStringLiteral(" estrang");
}

void Gerador::verbete(const QString& w, int homografo, QByteArray& saida) {
  campo(saida, "verbete", w, false);
  if (homografo > 0) campo(saida, "homografo", QString::number(homografo), false);
  if (chance(0.35)) campo(saida, "etimologia", (chance(0.7) ? QStringLiteral("do lat. ") : QStringLiteral("do gr. ")) + palavra());
  QString filtros;
  bool verbo = false;
  classe(w, saida, filtros, verbo);
  int defs = 1;
  while (defs < 5 && chance(0.5)) ++defs;
  for (int i = 0; i < defs; ++i) {
    QString d = frase(8, 24);
    if (chance(0.15)) d = u'{' + QString::fromUtf8(kRubricas[entre(0, std::size(kRubricas) - 1)]) + QStringLiteral("} ") + d;
    campo(saida, "def", d);
  }
  if (chance(0.08)) campo(saida, "locucao", w + QStringLiteral(" de ") + palavra() + QStringLiteral(" = ") + frase(5, 14));
  if (chance(0.05)) campo(saida, "achega", frase(6, 12));
  if (!filtros.isEmpty()) campo(saida, "filtros", filtros.trimmed(), false);
  if (verbo) {
    const char* formas = w.endsWith(u"ar") ? kAr : w.endsWith(u"er") ? kEr : kIr;
    campo(saida, "conj", w.right(2) + QStringLiteral(" = ") + QString::fromUtf8(formas), false);
  } else if (!w.endsWith(u's')) {
    campo(saida, "formas", w.endsWith(u'l') ? w.left(w.size() - 1) + QStringLiteral("is") : w + u's', false);
  }
  saida += '\n';
}

QByteArray Gerador::gera() {
  QByteArray saida = "dicionario: Dicionário Minivocabra de escala\nempresa: Corvanta Edições\n"
                     "versao: 1.0\ncodigo: MV-ESCALA\n\n";
  for (const auto& a : kAbreviaturas) {
    saida += "abreviatura: ";
    saida += a[0];
    saida += "\nsignificado: ";
    saida += a[1];
    saida += "\n\n";
  }
  const double passo = static_cast<double>(palavras_.size()) / total_;
  for (int i = 0; i < total_; ++i) {
    const bool par = i % 150 == 149;  // every 150th entry is the second homograph of the one before
    const int fonte = static_cast<int>(std::floor((par ? i - 1 : i) * passo));
    const int homografo = par ? 2 : (i % 150 == 148 ? 1 : 0);
    verbete(palavras_[fonte], homografo, saida);
  }
  return saida;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: minivocabra-gerador WORDLIST OUTPUT [ENTRIES]\n");
    return 2;
  }
  QFile lista(QString::fromLocal8Bit(argv[1]));
  if (!lista.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "minivocabra-gerador: cannot read %s\n", argv[1]);
    return 1;
  }
  QStringList palavras;
  QSet<QString> vistas;
  for (const QByteArray& linha : lista.readAll().split('\n')) {
    const QString w = QString::fromUtf8(linha).trimmed();
    if (palavraUtil(w) && !vistas.contains(w)) {
      vistas.insert(w);
      palavras.append(w);
    }
  }
  const int total = argc > 3 ? std::atoi(argv[3]) : 145000;
  if (total < 1 || total > palavras.size()) {
    std::fprintf(stderr, "minivocabra-gerador: %d entries asked, %lld usable words\n", total, static_cast<long long>(palavras.size()));
    return 1;
  }
  Gerador gerador(palavras, total);
  const QByteArray fonte = gerador.gera();
  QFile saida(QString::fromLocal8Bit(argv[2]));
  if (!saida.open(QIODevice::WriteOnly) || saida.write(fonte) != fonte.size()) {
    std::fprintf(stderr, "minivocabra-gerador: cannot write %s\n", argv[2]);
    return 1;
  }
  std::printf("%s: %d entries, %.1f MB of entry text, %.1f MB of source\n", argv[2], total,
              static_cast<double>(gerador.bytesDeTexto()) / 1e6, static_cast<double>(fonte.size()) / 1e6);
  return 0;
}
