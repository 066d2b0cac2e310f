#include "content/content_list.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "content/content_error.h"
#include "content/data_file.h"
#include "content/tile_atlas.h"

namespace {

constexpr int PathBufferSize = 256;  // names and paths both fit buffers of this size
constexpr long MaxItemCount = 1000;  // pictures of one kind
constexpr int MaxNumberLength = 29;  // as in the other text files

struct PictureKind {
    const char* pathFormat;  // the item's name goes in place of %s
    int32_t width;
    int32_t height;
    const char* use;
};

constexpr PictureKind SkinPicture = {"data/%s/skin.bmp", 64, 1024, "skin"};
constexpr PictureKind BackgroundPicture = {"data/%s/background.bmp", 640, 640, "background"};
constexpr PictureKind TileAtlasPicture = {"data/%s/tiles.bmp", AtlasWidth, AtlasHeight, "tile atlas"};
constexpr PictureKind ProjectilePicture = {"data/projectiles/%s.bmp", 64, 64, "projectile image"};

// One section of the list: a count, then as many names, each naming one
// picture of every kind (in this order).
struct Section {
    const char* item;
    int kindCount;
    const PictureKind* kinds[2];
};

constexpr Section Skins = {"skin", 1, {&SkinPicture}};
constexpr Section Scenery = {"scenery set", 2, {&BackgroundPicture, &TileAtlasPicture}};
constexpr Section Projectiles = {"projectile image", 1, {&ProjectilePicture}};

// The longest name whose path still fits the path buffer.
int longestName(const PictureKind& kind) { return PathBufferSize - 1 - int(strlen(kind.pathFormat) - strlen("%s")); }

bool loadPicture(const PictureKind& kind, const char* name, IndexedBitmap* picture) {
    char path[PathBufferSize];
    snprintf(path, sizeof path, kind.pathFormat, name);
    int32_t width, height;
    if (!loadIndexedBitmap(path, &width, &height, &picture->colors, &picture->indices)) return false;
    if (width == kind.width && height == kind.height) return true;
    reportContentError(path, "is %d x %d, a %s must be %d x %d", width, height, kind.use, kind.width, kind.height);
    return false;
}

// The open list, for messages, and whom to tell of each scenery set.
struct ListFile {
    FILE* file;
    const char* path;
    SceneryHook sceneryLoaded;
};

// Reads one name and loads its picture of every kind into place index of arrays[kind].
bool readItem(const ListFile& list, const Section& section, int32_t index, IndexedBitmap** arrays[]) {
    char name[PathBufferSize];
    int start = 0, end = 0;
    if (fscanf(list.file, " %n%255s%n", &start, name, &end) != 1) {
        reportContentError(list.path, "%s %d: name is missing", section.item, index);
        return false;
    }
    // A name is one folder or file in data/: a NUL byte would cut it short, a "/" or a
    // leading "." ("..") would reach elsewhere.
    const char* fault = int(strlen(name)) != end - start ? "holds a NUL byte"
                        : strchr(name, '/')              ? "holds a \"/\""
                        : name[0] == '.'                 ? "starts with \".\""
                                                         : nullptr;
    if (fault) {
        reportContentError(list.path, "%s %d: name \"%s\" %s; a name must stay in data/", section.item, index, name,
                           fault);
        return false;
    }
    for (int kind = 0; kind < section.kindCount; kind++) {
        int longest = longestName(*section.kinds[kind]);
        if (int(strlen(name)) > longest) {
            reportContentError(list.path, "%s %d: name is longer than %d characters", section.item, index, longest);
            return false;
        }
    }
    for (int kind = 0; kind < section.kindCount; kind++) {
        if (!loadPicture(*section.kinds[kind], name, &(*arrays[kind])[index])) return false;
    }
    return &section != &Scenery || !list.sceneryLoaded || list.sceneryLoaded(index, name);
}

// Reads a count as a word of at most MaxNumberLength characters, so that a file of
// digits is not read to its end.
bool readCount(const ListFile& list, const Section& section, long* number) {
    char token[MaxNumberLength + 2];
    int matched = fscanf(list.file, "%30s", token);  // one more than allowed, to see a longer one
    if (matched == EOF && ferror(list.file)) {
        reportContentError(list.path, "cannot be read (%s)", strerror(errno));
        return false;
    }
    if (matched != 1) {
        reportContentError(list.path, "%s count is missing", section.item);
        return false;
    }
    if (int(strlen(token)) > MaxNumberLength) {
        reportContentError(list.path, "%s count: a number token is longer than %d characters", section.item,
                           MaxNumberLength);
        return false;
    }
    char* end;
    errno = 0;
    *number = strtol(token, &end, 10);
    if (end == token || *end != '\0') {
        reportContentError(list.path, "%s count is not a number", section.item);
        return false;
    }
    if (errno == ERANGE || *number < 1 || *number > MaxItemCount) {
        reportContentError(list.path, "%s count %s is outside 1..%ld", section.item, token, MaxItemCount);
        return false;
    }
    return true;
}

// Reads a section's count and names and loads their pictures into arrays[kind].
bool readSection(const ListFile& list, const Section& section, int32_t* count, IndexedBitmap** arrays[]) {
    long number;
    if (!readCount(list, section, &number)) return false;
    *count = int32_t(number);
    for (int kind = 0; kind < section.kindCount; kind++) *arrays[kind] = new IndexedBitmap[*count]();
    for (int32_t i = 0; i < *count; i++) {
        if (!readItem(list, section, i, arrays)) return false;
    }
    return true;
}

}  // namespace

void freeContentPictures(ContentPictures* pictures) {
    freeIndexedBitmaps(pictures->skins, pictures->skinCount);
    freeIndexedBitmaps(pictures->backgrounds, pictures->sceneryCount);
    freeIndexedBitmaps(pictures->tileAtlases, pictures->sceneryCount);
    freeIndexedBitmaps(pictures->projectileImages, pictures->projectileImageCount);
}

bool loadContentList(const char* path, ContentPictures* pictures, SceneryHook sceneryLoaded) {
    FILE* file = openTextFile(path);
    if (!file) return false;
    ContentPictures read = {};
    const ListFile list = {file, path, sceneryLoaded};
    IndexedBitmap** skinArrays[] = {&read.skins};
    IndexedBitmap** sceneryArrays[] = {&read.backgrounds, &read.tileAtlases};
    IndexedBitmap** projectileArrays[] = {&read.projectileImages};
    bool loaded = readSection(list, Skins, &read.skinCount, skinArrays) &&
                  readSection(list, Scenery, &read.sceneryCount, sceneryArrays) &&
                  readSection(list, Projectiles, &read.projectileImageCount, projectileArrays);
    fclose(file);
    if (loaded) {
        *pictures = read;
    } else {
        freeContentPictures(&read);
    }
    return loaded;
}
