#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The stop words of the search through the text of the entries, and the
// filter that takes them out of a query.
namespace modMain {

// The 136 stop words, filled on first use and kept for the run.
const QStringList& CarregaPalavrasVazias();

// Whether `palavra` is a stop word: letter case is ignored, accents are not
// ("nao" is one, "não" is not).
bool EhPalavraVazia(const QString& palavra);

// Whether the text holds a word of two or more characters.
bool TemPalavraLonga(const QString& texto);

// Told when nothing searchable is left: the message page to show (501 for a
// query with no word of two letters, 502 for stop words only) and, for 502,
// the query as it was typed.
using MostraMensagemConsulta = std::function<void(int pagina, const QString& consulta)>;

// The query without its stop words. When nothing searchable is left, the
// message page is shown through `mostra` and "" is returned. Runs of blanks
// between kept words stay as they were typed.
QString FiltraPalavrasVazias(const QString& consulta, const MostraMensagemConsulta& mostra);

}  // namespace modMain
