// ovcoord tiles: the folders and files a custom tile naming pattern gives, through the same
// pattern and preview code as the custom tile naming dialog.
#include "Command.h"

#include "OvCoordSystem/widgets/savers/TilePreview.h"

namespace {
const char kName[] = "tiles";
constexpr int kDefaultLevels = 4;
// Columns and rows of the deepest level stay within 32 bits.
constexpr qint64 kMaxTileLevel = 32;

void printNodes(const std::vector<TilePreviewNode>& nodes, int depth)
{
    for (const TilePreviewNode& node : nodes) {
        out() << QString(2 * depth, QLatin1Char(' ')) << node.text << (node.folder ? "/" : "")
              << "\n";
        printNodes(node.children, depth + 1);
    }
}

// "Z,X,Y" with 1 <= Z <= kMaxTileLevel and 1 <= X, Y <= 2^(Z-1).
bool parseTile(const QString& text, qint64 tile[3])
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3) return false;
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        tile[i] = parts[i].trimmed().toLongLong(&ok);
        if (!ok || tile[i] < 1) return false;
    }
    const qint64 perAxis = tile[0] <= kMaxTileLevel ? qint64(1) << (tile[0] - 1) : 0;
    return tile[0] <= kMaxTileLevel && tile[1] <= perAxis && tile[2] <= perAxis;
}

int runTiles(const QStringList& args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prints the folders (ending in /) and image files that a custom tile naming PATTERN\n"
        "gives for the first levels of a global tile pyramid, as the custom tile naming dialog\n"
        "previews them, or the relative path of one tile. PATTERN holds {z} (level), {x}\n"
        "(column) and {y} (row), each optionally with an offset ({z-1}, {x+3}); \\ or / in the\n"
        "text before {x} or {y} starts a folder. Levels, columns and rows count from 1."));
    const QCommandLineOption hexOption(
        QStringLiteral("hex"), QStringLiteral("Columns and rows as six hexadecimal digits."));
    const QCommandLineOption upperOption(
        QStringLiteral("upper"), QStringLiteral("Hexadecimal letters in upper case."));
    const QCommandLineOption levelsOption(QStringLiteral("levels"),
        QStringLiteral("Levels of the tree (1 to %1; default %2).")
            .arg(kMaxPreviewLevels)
            .arg(kDefaultLevels),
        QStringLiteral("N"), QString::number(kDefaultLevels));
    const QCommandLineOption tileOption(QStringLiteral("tile"),
        QStringLiteral("Print the path of the tile at level Z, column X and row Y instead."),
        QStringLiteral("Z,X,Y"));
    parser.addOptions({ hexOption, upperOption, levelsOption, tileOption });
    parser.addPositionalArgument(QStringLiteral("PATTERN"), QStringLiteral("The naming pattern."));
    int status = ExitOk;
    if (!parseCommandLine(parser, kName, args, &status)) return status;

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) return usageError(kName, QStringLiteral("expected one PATTERN"));
    const CTileNamePattern pattern(positional[0]);
    TileNumberFormat format;
    format.hexadecimal = parser.isSet(hexOption);
    format.upperCase = parser.isSet(upperOption);

    if (parser.isSet(tileOption)) {
        qint64 tile[3];
        if (!parseTile(parser.value(tileOption), tile))
            return usageError(kName,
                QStringLiteral("--tile takes Z,X,Y with Z from 1 to %1 and X, Y from 1 to "
                               "2^(Z-1), not '%2'")
                    .arg(kMaxTileLevel)
                    .arg(parser.value(tileOption)));
        const QStringList path = pattern.TilePath(tile[0], tile[1], tile[2], format);
        if (path.isEmpty())
            return failure(kName,
                QStringLiteral("the pattern names no file for this tile (it needs {z}, and {x} or "
                               "{y} unless a folder follows the level)"));
        out() << path.join(QLatin1Char('/')) << "\n";
        out().flush();
        return ExitOk;
    }

    bool ok = false;
    const int levels = parser.value(levelsOption).toInt(&ok);
    if (!ok || levels < 1 || levels > kMaxPreviewLevels)
        return usageError(kName,
            QStringLiteral("--levels must be a whole number from 1 to %1").arg(kMaxPreviewLevels));
    printNodes(BuildTilePreview(pattern, format, levels), 0);
    out().flush();
    return ExitOk;
}

const CommandRegistrar registrar(Command {
    kName, "Folders and files a custom tile naming pattern gives, or one tile's path", runTiles });
} // namespace
