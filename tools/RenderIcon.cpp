// Renders the program's SVG icon into the PNG sizes a desktop looks for, or into one Windows icon
// file holding those sizes.
//
// Usage: arbovane_render_icon ICON.svg OUTDIR SIZE...   (writes OUTDIR/SIZExSIZE/apps/arbovane.png)
//        arbovane_render_icon ICON.svg FILE.ico SIZE... (sizes up to 256)

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QtEndian>
#include <cstdio>

namespace {

QImage Render(QSvgRenderer& svg, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    return image;
}

void Put16(QByteArray& out, quint16 value) {
    const quint16 little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), 2);
}

void Put32(QByteArray& out, quint32 value) {
    const quint32 little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), 4);
}

// An icon directory whose images are PNG data, as Windows reads them since Vista.
QByteArray IconFile(const QList<QByteArray>& pngs, const QList<int>& sizes) {
    QByteArray out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<quint16>(pngs.size()));
    quint32 offset = 6 + 16 * pngs.size();
    for (qsizetype i = 0; i < pngs.size(); ++i) {
        const char side = sizes[i] >= 256 ? 0 : static_cast<char>(sizes[i]);
        out.append(side).append(side).append('\0').append('\0');
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<quint32>(pngs[i].size()));
        Put32(out, offset);
        offset += pngs[i].size();
    }
    for (const QByteArray& png : pngs) out.append(png);
    return out;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s ICON.svg OUTDIR|FILE.ico SIZE...\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "%s: not a valid SVG file\n", argv[1]);
        return 1;
    }
    const QString target = QString::fromLocal8Bit(argv[2]);
    const bool icon = target.endsWith(".ico", Qt::CaseInsensitive);
    QList<QByteArray> pngs;
    QList<int> sizes;
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        if (size <= 0 || (icon && size > 256)) return 2;
        const QImage image = Render(svg, size);
        if (icon) {
            QBuffer png;
            png.open(QIODevice::WriteOnly);
            if (!image.save(&png, "PNG")) return 1;
            pngs.append(png.data());
            sizes.append(size);
            continue;
        }
        const QString folder = QString("%1/%2x%2/apps").arg(target).arg(size);
        if (!QDir().mkpath(folder) || !image.save(folder + "/arbovane.png")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    if (icon) {
        QSaveFile file(target);
        if (!file.open(QIODevice::WriteOnly) || file.write(IconFile(pngs, sizes)) < 0 ||
            !file.commit()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(target));
            return 1;
        }
    }
    return 0;
}
