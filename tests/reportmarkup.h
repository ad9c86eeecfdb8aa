#pragma once
#include <QFont>
#include <QStringList>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include "platform/RichTextBox.h"
#include "shell/ReportWriter.h"
#include "shell/Site.h"

// The tarot report written as marked-up lines, so that a test can state a
// whole report - text and formats - as a list of lines.
namespace reportmarkup {

inline const QString& rule() {
  static const QString r(512, QLatin1Char(' '));
  return r;
}

// The report as lines of marked-up text: *bold*, _underlined_, a leading ^
// for a centred line, and {512} for the rule's run of spaces.
inline QString markup(const QTextDocument* doc) {
  QStringList lines;
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    QString line = (b.blockFormat().alignment() & Qt::AlignHCenter) ? QStringLiteral("^") : QString();
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      QString t = f.text();
      t.replace(rule(), QStringLiteral("{512}"));
      if (f.charFormat().fontUnderline()) t = '_' + t + '_';
      if (f.charFormat().fontWeight() >= QFont::Bold) t = '*' + t + '*';
      line += t;
    }
    lines << line;
  }
  return lines.join('\n');
}

// The box's text that a marked-up report stands for.
inline QString plainOf(const QString& marked) {
  QStringList lines = marked.split('\n');
  for (QString& l : lines) {
    if (l.startsWith('^')) l.remove(0, 1);
    l.remove('*');
    l.remove('_');
    l.replace(QStringLiteral("{512}"), rule());
  }
  return lines.join(QStringLiteral("\r\n"));
}

// The box holds exactly these marked-up lines.
inline void compareReport(const platform::RichTextBox* box, const QStringList& expected) {
  const QString want = expected.join('\n');
  QCOMPARE(markup(box->document()), want);
  QCOMPARE(box->Text(), plainOf(want));
}

// The report's opening lines, up to and with its first rule.
inline QStringList invitation() {
  return {'*' + shell::siteDomain() +
              " the most popular online discussion forum. A place to learn, to share and to make "
              "new friends.*",
          "", "^*Visit *", "^*" + shell::siteBase() + " *", "^*Now *", "_{512}_"};
}

inline QString closingLine() {
  return "*Thank You for using Auravane. Come spend some time with us online at " +
         shell::siteBase() + ". The best online discussion forum for every esoteric.*";
}

// A report as lines in which each run of text is led by its format:
// {palette colour, b for bold, u for underlined}, a leading ^ marking a
// centred line and <512> standing for the rule's run of spaces.
inline QStringList colourLines(const QTextDocument* doc) {
  QStringList lines;
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    QString line = (b.blockFormat().alignment() & Qt::AlignHCenter) ? QStringLiteral("^") : QString();
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      const QTextCharFormat fmt = f.charFormat();
      int colour = -1;
      for (int i = 0; i < 16 && colour < 0; ++i)
        if (shell::paletteColour(i) == fmt.foreground().color()) colour = i;
      QString text = f.text();
      text.replace(rule(), QStringLiteral("<512>"));
      line += QLatin1Char('{') + QString::number(colour) +
              (fmt.fontWeight() >= QFont::Bold ? QStringLiteral("b") : QString()) +
              (fmt.fontUnderline() ? QStringLiteral("u") : QString()) + QLatin1Char('}') + text;
    }
    lines << line;
  }
  return lines;
}

// Compares line by line, so that a failure names the first line that
// differs.
inline void compareLines(const QStringList& actual, const QStringList& expected) {
  for (int i = 0; i < qMin(actual.size(), expected.size()); ++i)
    QVERIFY2(actual[i] == expected[i], qPrintable(QStringLiteral("line %1:\n   got: %2\n  want: %3")
                                                      .arg(i + 1)
                                                      .arg(actual[i].left(300), expected[i].left(300))));
  QCOMPARE(actual.size(), expected.size());
}

}  // namespace reportmarkup
