#include "core/app/DefaultExtensionLists.h"

namespace arbovane {

const std::vector<std::string>& DefaultTextDocumentExtensions() {
    static const std::vector<std::string> extensions = {
        "doc",      "pdf",  "acp",   "adm",  "adp",   "ada",        "adb",  "ads",   "ahk",  "asa",
        "asc",      "ascx", "asm",   "asp",  "aspx",  "asx",        "au3",  "awk",   "bas",  "bat",
        "bib",      "c",    "cc",    "cfg",  "cfm",   "cgi",        "cls",  "cmake", "cmd",  "cnf",
        "cob",      "conf", "cpp",   "cs",   "csh",   "csproj",     "css",  "csv",   "ctl",  "cxx",
        "d",        "dbs",  "def",   "dfm",  "diz",   "dpr",        "dsp",  "dsw",   "dtd",  "el",
        "erl",      "f",    "f77",   "f90",  "for",   "frm",        "go",   "h",     "hh",   "hpp",
        "hs",       "hta",  "htm",   "html", "htt",   "hxx",        "ics",  "idl",   "inc",  "inf",
        "ini",      "inl",  "ins",   "iss",  "java",  "js",         "json", "jsp",   "kix",  "ksh",
        "latex",    "lisp", "log",   "lst",  "ltx",   "lua",        "m",    "m3u",   "mak",  "man",
        "manifest", "md",   "mk",    "ml",   "mli",   "mms",        "nfo",  "nsh",   "nsi",  "opml",
        "p",        "pas",  "patch", "php",  "php3",  "phtml",      "pl",   "plist", "pls",  "pm",
        "po",       "pot",  "pp",    "prg",  "pro",   "properties", "ps",   "ps1",   "psm1", "py",
        "pyw",      "r",    "rb",    "rc",   "rdf",   "reg",        "resx", "rss",   "rst",  "s",
        "sas",      "scm",  "sed",   "sgml", "sh",    "shtml",      "sln",  "sql",   "srt",  "st",
        "sty",      "svg",  "tcl",   "tex",  "text",  "tlh",        "tli",  "toc",   "tsv",  "txt",
        "url",      "vb",   "vbp",   "vbs",  "vcf",   "vcproj",     "vcs",  "vhd",   "vhdl", "wml",
        "wsc",      "wsf",  "wtx",   "xaml", "xhtml", "xml",        "xsd",  "xsl",   "xslt", "xul",
        "y",        "yy",
    };
    return extensions;
}

const std::vector<std::string>& DefaultBackupExtensions() {
    static const std::vector<std::string> extensions = {"bak", "nt", "old", "org", "sav"};
    return extensions;
}

const std::vector<std::string>& DefaultBinaryExtensions() {
    static const std::vector<std::string> extensions = {
        "exe",    "com",     "zip",  "rtf",  "323",  "3ds",   "3g2",   "3gp",  "7z",  "aac",
        "accdb",  "ace",     "acm",  "ai",   "aif",  "aifc",  "aiff",  "ani",  "apk", "apng",
        "arc",    "arj",     "asf",  "au",   "avi",  "bin",   "bmp",   "bz2",  "cab", "cat",
        "cbr",    "cbz",     "cda",  "cdr",  "cer",  "chm",   "class", "cpl",  "crt", "crx",
        "cur",    "dat",     "db",   "dbf",  "deb",  "dib",   "dll",   "dmg",  "dmp", "docx",
        "dot",    "dotx",    "drv",  "dvi",  "dwg",  "dxf",   "dylib", "ear",  "emf", "eml",
        "eot",    "eps",     "epub", "exr",  "fla",  "flac",  "flv",   "fnt",  "fon", "gho",
        "gif",    "gz",      "heic", "hlp",  "icns", "ico",   "img",   "ipa",  "iso", "jar",
        "jfif",   "jp2",     "jpe",  "jpeg", "jpg",  "lha",   "lib",   "lnk",  "lzh", "lzma",
        "m2ts",   "m4a",     "m4v",  "mdb",  "mde",  "mdf",   "mid",   "midi", "mkv", "mobi",
        "mov",    "mp2",     "mp3",  "mp4",  "mpa",  "mpe",   "mpeg",  "mpg",  "mpp", "msg",
        "msi",    "msp",     "msu",  "mts",  "nrg",  "nupkg", "obj",   "ocx",  "odg", "odp",
        "ods",    "odt",     "ogg",  "ogv",  "one",  "ost",   "otf",   "ova",  "ovf", "pak",
        "pcap",   "pcx",     "pdb",  "pfx",  "pif",  "png",   "pot",   "potx", "pps", "ppsx",
        "ppt",    "pptx",    "psd",  "pst",  "pub",  "qcow2", "qt",    "qxd",  "ra",  "ram",
        "rar",    "raw",     "rm",   "rmvb", "rpm",  "scr",   "sit",   "sitx", "snd", "so",
        "sqlite", "swf",     "sys",  "tar",  "tbz",  "tga",   "tgz",   "thm",  "tif", "tiff",
        "tlb",    "torrent", "ttf",  "uue",  "vcd",  "vdi",   "vhdx",  "vmdk", "vob", "vsd",
        "vss",    "vxd",     "war",  "wasm", "wav",  "wbk",   "webm",  "webp", "whl", "wim",
        "wk1",    "wks",     "wma",  "wmf",  "wmv",  "woff",  "woff2", "wpd",  "wps", "wri",
        "xar",    "xcf",     "xla",  "xlam", "xlsb", "xlsm",  "xlsx",  "xpi",  "xps", "xz",
        "z",      "zoo",     "xpt",  "xls",  "xlt",
    };
    return extensions;
}

}  // namespace arbovane
