#include "dictionary/Dictionary.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string_view>
#include <vector>

#include "framework/Files.h"
#include "framework/Progress.h"
#include "framework/Random.h"
#include "framework/Resources.h"
#include "framework/Shell.h"
#include "framework/TextFile.h"
#include "framework/Utility.h"
#include "framework/WinTypes.h"
#include "resources/StringIds.h"

namespace {



void Pump(CProgressSink* progress)
{
    if (progress) progress->Pump();
}

bool WriteAll(int fd, const char* bytes, size_t size)
{
    while (size > 0) {
        const ssize_t put = ::write(fd, bytes, size);
        if (put < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes += put;
        size -= static_cast<size_t>(put);
    }
    return true;
}

// Writes the file as a whole: into a fresh file beside it, flushed to disk,
// then renamed over the old one. Returns 0, or the error code of the failure,
// in which case the old file is untouched and the temporary one is gone.
//
// The temporary file is named after the process ("custom.lst.tmp1234"), so a
// save that was killed half-way leaves a file whose owner is gone; the next
// save of that list removes such leftovers.
void RemoveLeftoverTemporaries(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash);
    const std::string stem = (slash == std::string::npos ? path : path.substr(slash + 1)) + ".tmp";
    DIR* folder = ::opendir(dir.c_str());
    if (!folder) return;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (name.size() <= stem.size() || name.compare(0, stem.size(), stem) != 0) continue;
        const std::string digits = name.substr(stem.size());
        if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) continue;
        const pid_t owner = static_cast<pid_t>(std::stol(digits));
        if (owner != ::getpid() && ::kill(owner, 0) != 0 && errno == ESRCH)
            ::unlink((dir + "/" + name).c_str());
    }
    ::closedir(folder);
}

int WriteFileAtomically(const std::string& link, const std::string& text, CProgressSink* progress)
{
    // A list that is a symbolic link is saved where it points (the link
    // stays), and a saved file keeps the mode the player gave it.
    std::string path = link;
    if (char* target = ::realpath(link.c_str(), nullptr)) {
        path = target;
        std::free(target);
    }
    mode_t mode = 0644;
    if (struct stat st {}; ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        mode = st.st_mode & 07777;
    RemoveLeftoverTemporaries(path);
    const std::string temp = path + ".tmp" + std::to_string(::getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return errno;
    int error = 0;
    ::fchmod(fd, mode);
    constexpr size_t kWriteChunk = 64 * 1024;
    for (size_t at = 0; at < text.size() && !error; at += kWriteChunk) {
        if (!WriteAll(fd, text.data() + at, std::min(kWriteChunk, text.size() - at))) error = errno;
        Pump(progress);
    }
    if (!error && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && ::rename(temp.c_str(), path.c_str()) != 0) error = errno;
    if (error) ::unlink(temp.c_str());
    return error;
}

}  // namespace

CDictionary::CDictionary() = default;
CDictionary::~CDictionary() = default;

void CDictionary::NoteUnusable(const std::string& name, int error)
{
    // Only the player's own copy of a list is ever set aside; an empty file
    // holds nothing to lose.
    struct stat st {};
    const std::string mine = name.find('/') == std::string::npos ? WritePathOf(name) : std::string();
    if (mine.empty() || ::lstat(mine.c_str(), &st) != 0 || (S_ISREG(st.st_mode) && st.st_size == 0))
        return;
    std::lock_guard<std::mutex> lock(m_unusableMutex);
    m_unusable.emplace_back(name, error);
}

std::string CDictionary::ReadPathOf(const std::string& name)
{
    return FindReadablePath(name);
}

std::string CDictionary::WritePathOf(const std::string& name)
{
    return name.find('/') != std::string::npos ? name : WritablePath(name);
}

const CWordList* CDictionary::GetList(int index) const
{
    return index >= 0 && index < GetListCount() ? m_lists[static_cast<size_t>(index)].get() : nullptr;
}

const CWordList* CDictionary::FindList(const std::string& name) const
{
    for (const auto& list : m_lists)
        if (list->GetName() == name) return list.get();
    return nullptr;
}

CWordList* CDictionary::FindListByName(const std::string& name)
{
    return const_cast<CWordList*>(FindList(name));
}

void CDictionary::Recount()
{
    m_totalWords = 0;
    for (const auto& list : m_lists)
        m_totalWords += list->GetWordCount();
}

bool CDictionary::LoadWordLists(CProgressSink* progress)
{
    if (!m_loaded) {
        if (!LoadList("modified.lst", progress)) {
            // What the player wrote is never overwritten: a copy that gave no
            // words goes aside first. When it cannot, it is not replaced.
            const bool free = KeepAside("modified.lst");
            if (!LoadList("words.lst", progress)) {
                if (HWND window = Shell().MainWindow())
                    window->MessageBox(ResString(kStrDictionaryLoadFailed), ResString(kStrErrorCaption), MB_OK);
                return false;
            }
            // The player's working copy starts as the shipped list. A failed
            // save has shown its box; the words are loaded all the same.
            if (free)
                SaveList("words.lst", "modified.lst", progress);
            else
                FindListByName("words.lst")->SetName("modified.lst");
        }
        LoadList("custom.lst", progress);  // optional
    }
    // A custom list that gave no words would be overwritten by the next word
    // added to it.
    KeepAside("custom.lst");
    Pump(progress);
    return true;
}

bool CDictionary::KeepAside(const std::string& name)
{
    const auto failed = std::find_if(m_unusable.begin(), m_unusable.end(),
                                     [&](const auto& entry) { return entry.first == name; });
    if (failed == m_unusable.end())
        return true;
    const int error = failed->second;
    m_unusable.erase(failed);
    const std::string path = WritePathOf(name);
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return true;
    const std::string aside = MoveAside(path, "unreadable");
    if (aside.empty()) {
        ShowFileError(path, errno);
        return false;
    }
    const std::string why = error ? std::strerror(error) : "it holds no words";
    std::string text(ResString(kStrListKeptAside));
    for (const std::string& part : {path, why, aside})
        if (const std::size_t at = text.find("%s"); at != std::string::npos)
            text.replace(at, 2, part);
    if (HWND window = Shell().MainWindow())
        window->MessageBox(text, ResString(kStrErrorCaption), MB_OK);
    return true;
}

bool CDictionary::LoadList(const std::string& fileName, CProgressSink* progress)
{
    if (GetListCount() >= kMaxLists) return false;
    std::string data;
    int error = 0;
    const std::string path = ReadPathOf(fileName);
    if (!ReadWholeFile(path, data, progress, &error)) {
        NoteUnusable(fileName, error);
        return false;
    }

    // Words are lower case, and a list may come in any order (an editor or
    // `echo word >> custom.lst` appends): it is taken in the order lookups need.
    std::erase(data, '\0');
    for (char& c : data)
        c = ToLowerChar(c);
    std::vector<std::string_view> words;
    ForEachLine(data, [&](std::string_view line) {
        if (!line.empty())
            words.push_back(line);
    });
    if (!std::is_sorted(words.begin(), words.end())) {
        std::sort(words.begin(), words.end());
        words.erase(std::unique(words.begin(), words.end()), words.end());
    }
    auto list = std::make_unique<CWordList>(fileName);
    list->ReserveForLoad(words);
    for (std::string_view word : words)
        list->AppendLoadedWord(word);
    Pump(progress);
    if (list->GetWordCount() == 0) {
        NoteUnusable(fileName, 0);
        return false;
    }
    m_lists.push_back(std::move(list));
    Recount();
    m_loaded = true;
    return true;
}

namespace {

inline int LetterBucketOf(const char* text)
{
    const char c = text[0];
    if (c >= 'a' && c <= 'z') return c - 'a';
    if (c >= 'A' && c <= 'Z') return c - 'A';
    return -1;
}

}  // namespace

int CDictionary::IsWord(const char* word) const
{
    if (!word || m_lists.empty()) return 0;
    const int bucket = LetterBucketOf(word);
    if (bucket < 0) return static_cast<int>(std::strlen(word));  // not a letter: counts as found
    for (const auto& list : m_lists)
        if (list->LetterBucket(bucket).Contains(word)) return static_cast<int>(std::strlen(word));
    return 0;
}

int CDictionary::IsPrefix(const char* letters) const
{
    if (!letters || m_lists.empty()) return 0;
    const int bucket = LetterBucketOf(letters);
    if (bucket < 0) return static_cast<int>(std::strlen(letters));
    for (const auto& list : m_lists)
        if (list->LetterBucket(bucket).ContainsPrefix(letters)) return static_cast<int>(std::strlen(letters));
    return 0;
}

CStr CDictionary::FindShortestWord(const char* letters) const
{
    if (letters && std::strcmp(letters, "q") == 0) return CStr("qua");
    CStr best;
    for (const auto& list : m_lists) {
        CStr word = list->FindShortestWord(letters);
        if (word.IsEmpty()) continue;
        if (best.IsEmpty() || word.GetLength() < best.GetLength()) best = std::move(word);
    }
    return best;
}

CStr CDictionary::GetRandomWord(CRandom& random, int length) const
{
    const int r = random.InRange(m_totalWords, 0);
    CStr candidate;
    int sum = 0;
    for (size_t i = 0; i < m_lists.size(); ++i) {
        const int from = sum;
        sum += m_lists[i]->GetWordCount();
        if (i > 0 && (r < from || r >= sum)) continue;
        CStr word = m_lists[i]->GetRandomWord(random, length);
        if (!word.IsEmpty()) candidate = std::move(word);
    }
    return candidate;
}

bool CDictionary::AddWord(const char* word, const std::string& listName)
{
    if (CWordList::BucketOf(word) < 0) return false;
    CWordList* list = FindListByName(listName);
    if (!list) {
        if (GetListCount() >= kMaxLists) return false;
        m_lists.push_back(std::make_unique<CWordList>(listName));
        list = m_lists.back().get();
    }
    const bool added = list->InsertWord(word);
    Recount();
    return added;
}

int CDictionary::RemoveWord(const char* word)
{
    int removed = 0;
    for (const auto& list : m_lists)
        if (list->RemoveWord(word)) ++removed;
    Recount();
    return removed;
}

bool CDictionary::SaveList(const std::string& name, const std::string& newName, CProgressSink* progress)
{
    CWordList* list = FindListByName(name);
    if (!list) return true;
    if (!newName.empty()) list->SetName(newName);
    return Save(*list, progress);
}

bool CDictionary::Save(const CWordList& list, CProgressSink* progress)
{
    size_t bytes = 0;
    for (int b = 0; b < CWordList::kLetterBuckets; ++b) {
        const CWordArray& bucket = list.LetterBucket(b);
        for (int i = 0; i < bucket.GetCount(); ++i)
            bytes += std::strlen(bucket.GetAt(i)) + 2;
    }
    std::string text;
    text.reserve(bytes);
    for (int b = 0; b < CWordList::kLetterBuckets; ++b) {
        const CWordArray& bucket = list.LetterBucket(b);
        for (int i = 0; i < bucket.GetCount(); ++i) {
            text += bucket.GetAt(i);
            text += "\r\n";
        }
    }
    const std::string path = WritePathOf(list.GetName());
    const int error = WriteFileAtomically(path, text, progress);
    if (error) {
        ShowFileError(path, error);
        return false;
    }
    return true;
}

bool CDictionary::SaveAll(CProgressSink* progress)
{
    bool all = true;
    for (const auto& list : m_lists)
        if (!Save(*list, progress)) all = false;
    return all;
}

int CDictionary::PositionOf(const char* letters) const
{
    std::string word(letters ? letters : "");
    for (char& c : word)
        c = ToLowerChar(c);
    int position = 0;
    for (const auto& list : m_lists)
        position += list->CountBelow(word.c_str(), false);
    return position;
}

int CDictionary::FillPage(int top, CWordArray& out, int max) const
{
    const size_t lists = m_lists.size();
    if (top < 0 || top >= m_totalWords || max <= 0)
        return 0;
    // Where each list's words stand in the merged sequence: the word at
    // position i of list j follows every word of an earlier list not above it
    // and every word of a later list below it. Exactly one list holds the word
    // at `top`; the others start after (or at) it.
    std::vector<int> next(lists, 0);
    for (size_t j = 0; j < lists; ++j) {
        const auto mergedAt = [&](int i) {
            const char* word = m_lists[j]->WordAt(i);
            int position = i;
            for (size_t other = 0; other < lists; ++other)
                if (other != j)
                    position += m_lists[other]->CountBelow(word, other < j);
            return position;
        };
        int low = 0;
        int high = m_lists[j]->GetWordCount();
        while (low < high) {
            const int mid = (low + high) / 2;
            if (mergedAt(mid) < top) low = mid + 1;
            else high = mid;
        }
        if (low < m_lists[j]->GetWordCount() && mergedAt(low) == top) {
            const char* word = m_lists[j]->WordAt(low);
            for (size_t other = 0; other < lists; ++other)
                next[other] = other == j ? low : m_lists[other]->CountBelow(word, other < j);
            break;
        }
    }
    int taken = 0;
    for (; taken < max; ++taken) {
        const char* least = nullptr;
        size_t from = 0;
        for (size_t j = 0; j < lists; ++j) {
            const char* word = m_lists[j]->WordAt(next[j]);
            if (word && (!least || std::strcmp(word, least) < 0)) {
                least = word;
                from = j;
            }
        }
        if (!least)
            break;
        out.Append(least);
        ++next[from];
    }
    return taken;
}
