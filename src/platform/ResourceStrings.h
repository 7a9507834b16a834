#pragma once

#include <QString>

#include <map>

// The resource string table: the program's messages, tooltips and page
// templates by numeric id. Its text lives in resources/strings.txt, one
// string a line ("<id><TAB><text>", with \n, \r, \t and \\ escaped), compiled
// into the program.
class ResourceStrings final {
 public:
  // Parses the table's text; lines that are not "<id><TAB><text>" are
  // ignored, except "#" comments and blank lines which are expected.
  static ResourceStrings fromText(const QByteArray& utf8);

  // The table compiled into the program, read once.
  static const ResourceStrings& instance();

  bool contains(int id) const { return strings_.count(id) != 0; }
  // The string, or an empty string for an id the table lacks.
  QString get(int id) const;
  const std::map<int, QString>& all() const { return strings_; }

 private:
  std::map<int, QString> strings_;
};

// The string of `id` from the compiled table (LoadResString).
QString LoadResString(int id);
