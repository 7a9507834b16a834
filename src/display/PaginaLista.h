#pragma once

#include <QString>
#include <QStringList>

// The rule tables that "%linhaSimples" and "%linhaDupla" stand for in list
// pages.
extern const QString kLinhaSimples;
extern const QString kLinhaDupla;

// A list or message page from its template `modelo` (a resource string):
// `valores` holds pairs of a placeholder name and its value; every "%" &
// name is replaced by the value, pair after pair, so a value holding a later
// placeholder is replaced again. The values of "1" and "2" (the words the
// user searched for) are HTML-escaped first; the others are HTML the program
// built. A last name without a value is ignored. Then the two rules.
QString MontaPaginaLista(const QString& modelo, const QStringList& valores);
