// The settings store on SQLite: one table of (key path, value name, type,
// number, text). Key paths and value names compare without regard to case.
//
// The connection is kept open for the life of the process but checked on every
// call: a different store path, a forked child, or a store file that was
// replaced or removed since it was opened all lead to a fresh open, so each
// call sees the file that is on disk now, as if it had opened it itself.
// Every write is one BEGIN IMMEDIATE transaction in WAL mode; a busy timeout
// lets two running instances take turns. A store that is not a usable database
// is moved aside and replaced by a fresh one.
#include "framework/Registry.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "framework/Files.h"

namespace {

constexpr int kRegSz = 1;     // the registry's type numbers
constexpr int kRegDword = 4;
constexpr int kBusyTimeoutMs = 5000;

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS reg_values("
    " key TEXT NOT NULL COLLATE NOCASE,"
    " name TEXT NOT NULL COLLATE NOCASE,"
    " type INTEGER NOT NULL,"
    " dword INTEGER,"
    " text TEXT,"
    " PRIMARY KEY(key, name)) WITHOUT ROWID";

constexpr const char* kSelectValue = "SELECT type, dword, text FROM reg_values WHERE key = ?1 AND name = ?2";
constexpr const char* kUpsertValue =
    "INSERT INTO reg_values(key, name, type, dword, text) VALUES(?1, ?2, ?3, ?4, ?5)"
    " ON CONFLICT(key, name) DO UPDATE SET type = ?3, dword = ?4, text = ?5";

struct CStore {
    std::string overridePath;
    sqlite3* db = nullptr;
    std::string dbPath;  // the file db was opened on, and its identity
    pid_t pid = 0;
    dev_t dev = 0;
    ino_t ino = 0;
    int txDepth = 0;            // >0 while RegTransaction runs its body
    std::string unusablePath;   // a store we gave up on for this run

    void Close()
    {
        // A connection inherited through fork() belongs to the parent: leave it.
        if (db && pid == getpid())
            sqlite3_close(db);
        db = nullptr;
    }
    ~CStore() { Close(); }
};

CStore& Store()
{
    static CStore store;
    return store;
}

// Failures that mean the file itself is unusable, as opposed to busy or full.
bool IsBadStore(int rc)
{
    switch (rc & 0xFF) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_CANTOPEN:
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_IOERR:
        return true;
    default:
        return false;
    }
}

// While a store is being opened, an SQL error or a format error also says
// the file is not a store of ours: a damaged header or schema fails the
// opening statements that way, and would fail them at every start.
bool IsBadStoreAtOpen(int rc)
{
    switch (rc & 0xFF) {
    case SQLITE_ERROR:
    case SQLITE_FORMAT:
    case SQLITE_SCHEMA:
    case SQLITE_MISMATCH:
        return true;
    default:
        return IsBadStore(rc);
    }
}

bool IsBusy(int rc) { return (rc & 0xFF) == SQLITE_BUSY || (rc & 0xFF) == SQLITE_LOCKED; }

int Exec(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

// A prepared statement that finalizes itself.
class CStmt {
public:
    CStmt(sqlite3* db, const char* sql) { rc_ = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
    ~CStmt() { sqlite3_finalize(stmt_); }
    CStmt(const CStmt&) = delete;
    CStmt& operator=(const CStmt&) = delete;
    bool ok() const { return rc_ == SQLITE_OK; }
    int rc() const { return rc_; }
    CStmt& Text(int i, const std::string& s)
    {
        if (ok()) sqlite3_bind_text(stmt_, i, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
        return *this;
    }
    CStmt& Int(int i, std::int64_t v)
    {
        if (ok()) sqlite3_bind_int64(stmt_, i, v);
        return *this;
    }
    int Step()
    {
        if (ok()) rc_ = sqlite3_step(stmt_);
        return rc_;
    }
    sqlite3_stmt* get() const { return stmt_; }

private:
    sqlite3_stmt* stmt_ = nullptr;
    int rc_;
};

// "a\\\\b\\" -> "a\\b": no empty components, no leading or trailing separator.
std::string NormalizeKey(const char* keyPath)
{
    std::string out;
    for (const char* p = keyPath; *p; ++p) {
        if (*p == '\\' && (out.empty() || out.back() == '\\')) continue;
        out += *p;
    }
    while (!out.empty() && out.back() == '\\') out.pop_back();
    return out;
}

bool StatFile(const std::string& path, struct stat& st) { return ::stat(path.c_str(), &st) == 0; }

// Moves an unusable store (and its write-ahead log) out of the way. True when
// the path is free again for a fresh store.
bool MoveStoreAside(const std::string& path, const char* why)
{
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return false;
    const std::string aside = MoveAside(path, "corrupt");
    if (aside.empty()) return false;
    std::rename((path + "-wal").c_str(), (aside + "-wal").c_str());
    std::rename((path + "-journal").c_str(), (aside + "-journal").c_str());
    ::unlink((path + "-shm").c_str());
    std::fprintf(stderr, "Glyphery: the settings store %s could not be used (%s); moved it to %s and started a new one.\n",
                 path.c_str(), why, aside.c_str());
    return true;
}

// Runs a one-row pragma and returns its text, or "" with *rc set on failure.
std::string PragmaText(sqlite3* db, const char* sql, int* rc)
{
    CStmt q(db, sql);
    *rc = q.Step();
    if (*rc != SQLITE_ROW) return {};
    *rc = SQLITE_OK;
    const unsigned char* t = sqlite3_column_text(q.get(), 0);
    return t ? reinterpret_cast<const char*>(t) : "";
}

// Whether the statements the store runs compile against the table found.
bool SchemaFits(sqlite3* db)
{
    for (const char* sql : {kSelectValue, kUpsertValue})
        if (!CStmt(db, sql).ok()) return false;
    return true;
}

// Opens and checks the store. SQLITE_OK with *out set, or the failure code.
int OpenStore(const std::string& path, sqlite3** out)
{
    *out = nullptr;
    const auto slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0) EnsureDir(path.substr(0, slash));

    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        return rc;
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    if (sqlite3_db_readonly(db, "main") == 1) {
        sqlite3_close(db);
        return SQLITE_READONLY;
    }
    // Switching to WAL needs the file to itself for a moment, and the busy
    // handler does not cover that: retry while another instance has it open.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyTimeoutMs);
    for (;;) {
        std::string mode = PragmaText(db, "PRAGMA journal_mode", &rc);
        if (rc == SQLITE_OK && mode != "wal") mode = PragmaText(db, "PRAGMA journal_mode=WAL", &rc);
        if (rc == SQLITE_OK && mode != "wal") rc = SQLITE_READONLY;
        if (!IsBusy(rc) || std::chrono::steady_clock::now() > deadline) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // WAL with synchronous=NORMAL: a killed process loses nothing it committed
    // and never leaves a half-written store.
    if (rc == SQLITE_OK) rc = Exec(db, "PRAGMA synchronous=NORMAL");
    if (rc == SQLITE_OK) rc = Exec(db, "BEGIN IMMEDIATE");
    if (rc == SQLITE_OK) {
        rc = Exec(db, kSchema);
        // A table of that name from elsewhere (another layout, no key on
        // key and name) would fail every write: such a store is not ours.
        if (rc == SQLITE_OK && !SchemaFits(db)) rc = SQLITE_CORRUPT;
        if (rc == SQLITE_OK) {
            // The full check: a b-tree page out of order passes the quick
            // one, and then a value just written cannot be found again.
            const std::string check = PragmaText(db, "PRAGMA integrity_check", &rc);
            if (rc == SQLITE_OK && check != "ok") rc = SQLITE_CORRUPT;
        }
        const int end = Exec(db, rc == SQLITE_OK ? "COMMIT" : "ROLLBACK");
        if (rc == SQLITE_OK) rc = end;
    }
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        return rc;
    }
    *out = db;
    return SQLITE_OK;
}

void Forget(CStore& s)
{
    s.Close();
    s.dbPath.clear();
}

// The connection for the current store file, opened (and the file moved
// aside and replaced when it is unusable) as needed. Null when the store
// cannot be used now.
sqlite3* Connection()
{
    CStore& s = Store();
    const std::string path = RegistryPath();
    if (s.db) {
        struct stat st;
        if (s.pid == getpid() && s.dbPath == path && StatFile(path, st) && st.st_dev == s.dev && st.st_ino == s.ino)
            return s.db;
        Forget(s);
    }
    if (path == s.unusablePath) return nullptr;

    for (int attempt = 0; attempt < 2; ++attempt) {
        sqlite3* db = nullptr;
        const int rc = OpenStore(path, &db);
        struct stat st;
        if (rc == SQLITE_OK && StatFile(path, st)) {
            s.db = db;
            s.dbPath = path;
            s.pid = getpid();
            s.dev = st.st_dev;
            s.ino = st.st_ino;
            return db;
        }
        sqlite3_close(db);
        if (IsBusy(rc) || (rc & 0xFF) == SQLITE_FULL || (rc & 0xFF) == SQLITE_NOMEM) return nullptr;  // try again later
        if (attempt == 0 && IsBadStoreAtOpen(rc) && MoveStoreAside(path, sqlite3_errstr(rc))) continue;
        std::fprintf(stderr, "Glyphery: cannot use the settings store %s (%s); settings will not be kept this run.\n",
                     path.c_str(), sqlite3_errstr(rc));
        s.unusablePath = path;
        return nullptr;
    }
    return nullptr;
}

// Runs `op` against the store, inside one BEGIN IMMEDIATE transaction when it
// writes. `op` returns SQLITE_OK or a failure code. A store found broken on
// the way is moved aside, and the call is tried once more on a fresh one.
template <class Op>
bool WithStore(bool write, Op&& op)
{
    CStore& s = Store();
    if (s.txDepth > 0) return op(s.db) == SQLITE_OK;
    for (int attempt = 0; attempt < 2; ++attempt) {
        sqlite3* db = Connection();
        if (!db) return false;
        int rc = write ? Exec(db, "BEGIN IMMEDIATE") : SQLITE_OK;
        if (rc == SQLITE_OK) {
            rc = op(db);
            if (write) {
                if (rc == SQLITE_OK) rc = Exec(db, "COMMIT");
                if (rc != SQLITE_OK) Exec(db, "ROLLBACK");
            }
        }
        if (rc == SQLITE_OK) return true;
        if (attempt == 0 && IsBadStore(rc) && (rc & 0xFF) != SQLITE_CANTOPEN) {
            const std::string path = s.dbPath;
            Forget(s);
            if (MoveStoreAside(path, sqlite3_errstr(rc))) continue;
        }
        return false;
    }
    return false;
}

// Reads one value: SQLITE_OK with *found telling whether it exists.
struct CValue {
    bool found = false;
    int type = 0;
    std::int64_t dword = 0;
    std::string text;
};

int ReadValue(sqlite3* db, const std::string& key, const std::string& name, CValue& v)
{
    CStmt q(db, kSelectValue);
    q.Text(1, key).Text(2, name);
    const int rc = q.Step();
    if (rc == SQLITE_DONE) return SQLITE_OK;
    if (rc != SQLITE_ROW) return rc;
    v.found = true;
    v.type = sqlite3_column_int(q.get(), 0);
    v.dword = sqlite3_column_int64(q.get(), 1);
    if (const unsigned char* t = sqlite3_column_text(q.get(), 2))
        v.text.assign(reinterpret_cast<const char*>(t), sqlite3_column_bytes(q.get(), 2));
    return SQLITE_OK;
}

int StoreValue(sqlite3* db, const std::string& key, const std::string& name, int type, std::int32_t dword,
               const char* text)
{
    CStmt q(db, kUpsertValue);
    q.Text(1, key).Text(2, name).Int(3, type);
    if (type == kRegDword) {
        q.Int(4, dword);
    } else {
        q.Text(5, text);
    }
    const int rc = q.Step();
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

const char* NameOrEmpty(const char* valueName) { return valueName ? valueName : ""; }

}  // namespace

std::int32_t ReadRegDword(HKEY_ROOT, const char* keyPath, const char* valueName, std::int32_t def)
{
    if (!keyPath) return def;
    const std::string key = NormalizeKey(keyPath), name = NameOrEmpty(valueName);
    CValue v;
    if (!WithStore(false, [&](sqlite3* db) { return ReadValue(db, key, name, v); })) return def;
    if (!v.found || v.type != kRegDword) return def;
    return static_cast<std::int32_t>(v.dword);
}

bool WriteRegDword(HKEY_ROOT, const char* keyPath, const char* valueName, std::int32_t value)
{
    if (!keyPath) return false;
    const std::string key = NormalizeKey(keyPath), name = NameOrEmpty(valueName);
    if (key.empty()) return false;
    return WithStore(true, [&](sqlite3* db) { return StoreValue(db, key, name, kRegDword, value, nullptr); });
}

bool ReadRegString(HKEY_ROOT, const char* keyPath, const char* valueName, std::string& out, int bufferSize)
{
    out.clear();
    if (!keyPath || bufferSize <= 0) return false;
    const std::string key = NormalizeKey(keyPath), name = NameOrEmpty(valueName);
    CValue v;
    if (!WithStore(false, [&](sqlite3* db) { return ReadValue(db, key, name, v); })) return false;
    if (!v.found || v.type != kRegSz) return false;
    if (v.text.size() + 1 > static_cast<std::size_t>(bufferSize)) return false;
    out = std::move(v.text);
    return true;
}

bool WriteRegString(HKEY_ROOT, const char* keyPath, const char* valueName, const char* text)
{
    if (!keyPath || !text) return false;
    const std::string key = NormalizeKey(keyPath), name = NameOrEmpty(valueName);
    if (key.empty()) return false;
    return WithStore(true, [&](sqlite3* db) { return StoreValue(db, key, name, kRegSz, 0, text); });
}

bool DeleteRegKey(HKEY_ROOT, const char* keyPath)
{
    if (!keyPath) return false;
    const std::string key = NormalizeKey(keyPath);
    if (key.empty()) return false;
    // The key itself and everything below "key\": with the NOCASE order every
    // such path sorts between "key\" and "key]" (']' follows '\'), while a
    // sibling such as "key2" or "key 2" does not.
    int deleted = 0;
    const bool ok = WithStore(true, [&](sqlite3* db) {
        CStmt q(db, "DELETE FROM reg_values WHERE key = ?1 OR (key > ?1 || '\\' AND key < ?1 || ']')");
        q.Text(1, key);
        const int rc = q.Step();
        deleted = sqlite3_changes(db);
        return rc == SQLITE_DONE ? SQLITE_OK : rc;
    });
    return ok && deleted > 0;  // like the registry: deleting a missing key fails
}

bool AddRegDword(HKEY_ROOT, const char* keyPath, const char* valueName, std::int32_t delta, std::int32_t* newValue)
{
    if (!keyPath) return false;
    const std::string key = NormalizeKey(keyPath), name = NameOrEmpty(valueName);
    if (key.empty()) return false;
    std::int32_t result = 0;
    const bool ok = WithStore(true, [&](sqlite3* db) {
        CValue v;
        int rc = ReadValue(db, key, name, v);
        if (rc != SQLITE_OK) return rc;
        const std::uint32_t old = v.found && v.type == kRegDword ? static_cast<std::uint32_t>(v.dword) : 0;
        result = static_cast<std::int32_t>(old + static_cast<std::uint32_t>(delta));  // wraps like a DWORD
        return StoreValue(db, key, name, kRegDword, result, nullptr);
    });
    if (ok && newValue) *newValue = result;
    return ok;
}

bool RegTransaction(const std::function<void()>& body)
{
    CStore& s = Store();
    if (s.txDepth > 0) {
        body();
        return true;
    }
    sqlite3* db = Connection();
    if (!db || Exec(db, "BEGIN IMMEDIATE") != SQLITE_OK) {
        body();  // each call then stands on its own (and fails if the store is unusable)
        return false;
    }
    struct CDepth {
        int& d;
        explicit CDepth(int& depth) : d(depth) { ++d; }
        ~CDepth() { --d; }
    };
    bool committed = false;
    try {
        CDepth depth(s.txDepth);
        body();
    } catch (...) {
        Exec(db, "ROLLBACK");
        throw;
    }
    committed = Exec(db, "COMMIT") == SQLITE_OK;
    if (!committed) Exec(db, "ROLLBACK");
    return committed;
}

void SetRegistryPath(const std::string& path)
{
    CStore& s = Store();
    s.overridePath = path;
    s.unusablePath.clear();
}

std::string RegistryPath()
{
    const CStore& s = Store();
    return s.overridePath.empty() ? UserConfigDir() + "/glyphery.db" : s.overridePath;
}

void CloseRegistry()
{
    CStore& s = Store();
    if (s.txDepth == 0) Forget(s);
}
