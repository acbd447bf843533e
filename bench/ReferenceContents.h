#pragma once
// The floor the player's table of contents is measured against: what the smallest Qt
// program does to show the same contents (click-timing/refplayer, its TRAVAILLER),
// without showing its window: open the database, read the programme, count the
// exercises of every chapter in one GROUP BY, fill and expand a plain QTreeWidget.
#include <map>
#include <string>
#include <vector>

#include <QTreeWidget>
#include <sqlite3.h>

inline void ReferenceLoadContents(const std::string& dbPath, const QString& subject, const QString& level,
                                  const std::string& table, QTreeWidget& tree) {
    tree.clear();
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(dbPath.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) return;
    sqlite3_stmt* st = nullptr;
    std::string programme;
    sqlite3_prepare_v2(db, "SELECT programme FROM \"table_des_mati\xC3\xA8res\" WHERE matiere=? AND classe=?", -1, &st,
                       nullptr);
    sqlite3_bind_text(st, 1, subject.toUtf8().constData(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(st, 2, level.toUtf8().constData(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(st) == SQLITE_ROW) programme = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    sqlite3_finalize(st);
    std::map<std::string, int> counts;
    const std::string q = "SELECT codeExo, COUNT(*) FROM " + table + " WHERE typeEXO BETWEEN 1 AND 8 GROUP BY codeExo";
    sqlite3_prepare_v2(db, q.c_str(), -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW)
        counts[reinterpret_cast<const char*>(sqlite3_column_text(st, 0))] = sqlite3_column_int(st, 1);
    sqlite3_finalize(st);
    sqlite3_close(db);
    std::vector<QTreeWidgetItem*> parents;
    for (const QString& raw : QString::fromUtf8(programme).split('\n', Qt::SkipEmptyParts)) {
        int depth = 0;
        while (depth < raw.size() && raw[depth] == '\t') ++depth;
        QString text = raw.mid(depth).trimmed(), code;
        if (text.startsWith('[') && text.indexOf(']') > 0) {
            code = text.mid(1, text.indexOf(']') - 1);
            text = text.mid(text.indexOf(']') + 1).trimmed();
        }
        if (text.contains("#(")) text = text.left(text.indexOf("#(")).trimmed();
        parents.resize(std::min<size_t>(parents.size(), depth));
        auto* item = parents.empty() ? new QTreeWidgetItem(&tree) : new QTreeWidgetItem(parents.back());
        item->setText(0, text);
        item->setData(0, Qt::UserRole, code);
        item->setData(0, Qt::UserRole + 1, counts[code.toStdString()]);
        parents.push_back(item);
    }
    tree.expandAll();
}
