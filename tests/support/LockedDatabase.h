#pragma once
// A database held by another program: a second connection that keeps a lock on the
// file until it is released or destroyed.
#include <string>

#include <sqlite3.h>

class LockedDatabase {
public:
    // mode: "IMMEDIATE" (others may read but not write) or "EXCLUSIVE" (neither).
    LockedDatabase(const std::string& path, const char* mode) {
        ok_ = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
              sqlite3_exec(db_, (std::string("BEGIN ") + mode).c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~LockedDatabase() {
        Release();
        sqlite3_close(db_);
    }
    LockedDatabase(const LockedDatabase&) = delete;
    LockedDatabase& operator=(const LockedDatabase&) = delete;
    bool Held() const { return ok_; }
    void Release() {
        if (ok_) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        ok_ = false;
    }

private:
    sqlite3* db_ = nullptr;
    bool ok_ = false;
};
