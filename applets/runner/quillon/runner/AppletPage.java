package quillon.runner;

import java.io.File;
import java.io.IOException;
import java.net.MalformedURLException;
import java.net.URL;
import java.nio.ByteBuffer;
import java.nio.charset.CharacterCodingException;
import java.nio.charset.CodingErrorAction;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.util.LinkedHashMap;
import java.util.Locale;
import java.util.Map;

/**
 * The first applet tag of an HTML page with its attributes and PARAM tags,
 * read the way a browser hands them to an applet: names without regard to
 * case, the first of two equal names wins, character references decoded.
 */
public final class AppletPage {
    public final File file;
    public final String code;
    public final String codebase;
    public final String archive;
    public final String name;
    public final int width;
    public final int height;
    /** Parameter values by lower-cased name, in page order. */
    public final Map<String, String> params;

    private AppletPage(File file, Map<String, String> attributes, Map<String, String> params) {
        this.file = file;
        this.code = attributes.getOrDefault("code", "");
        this.codebase = attributes.getOrDefault("codebase", "");
        this.archive = attributes.getOrDefault("archive", "");
        this.name = attributes.getOrDefault("name", "");
        this.width = number(attributes.get("width"), 220);
        this.height = number(attributes.get("height"), 320);
        this.params = params;
    }

    public static AppletPage read(File file) throws IOException {
        String text = decode(Files.readAllBytes(file.toPath()));
        Map<String, String> attributes = null;
        Map<String, String> params = new LinkedHashMap<>();
        int at = 0;
        while (true) {
            int open = text.indexOf('<', at);
            if (open < 0) {
                break;
            }
            if (text.startsWith("<!--", open)) {
                int close = text.indexOf("-->", open + 4);
                at = close < 0 ? text.length() : close + 3;
                continue;
            }
            int close = tagEnd(text, open + 1);
            String tag = text.substring(open + 1, close);
            at = Math.min(text.length(), close + 1);
            String tagName = tagName(tag);
            if (attributes == null) {
                if (tagName.equals("applet")) {
                    attributes = attributes(tag);
                }
            } else if (tagName.equals("/applet")) {
                break;
            } else if (tagName.equals("param")) {
                Map<String, String> a = attributes(tag);
                String key = a.getOrDefault("name", "").toLowerCase(Locale.ROOT);
                if (!key.isEmpty()) {
                    params.putIfAbsent(key, a.getOrDefault("value", ""));
                }
            }
        }
        if (attributes == null) {
            throw new IOException("no applet tag in " + file);
        }
        return new AppletPage(file, attributes, params);
    }

    public String param(String key) {
        return params.get(key.toLowerCase(Locale.ROOT));
    }

    public URL documentBase() {
        try {
            return file.getAbsoluteFile().toURI().toURL();
        } catch (MalformedURLException e) {
            throw new IllegalStateException(e);
        }
    }

    /** The folder the CODEBASE attribute names, relative to the page. */
    public URL codeBase() {
        String folder = codebase.isEmpty() ? "." : codebase.replace('\\', '/');
        if (!folder.endsWith("/")) {
            folder += "/";
        }
        try {
            return new URL(documentBase(), folder);
        } catch (MalformedURLException e) {
            throw new IllegalArgumentException("bad CODEBASE " + codebase, e);
        }
    }

    /** Pages hold bytes: UTF-8 when they are valid UTF-8, else Latin-1. */
    static String decode(byte[] bytes) {
        try {
            return StandardCharsets.UTF_8.newDecoder()
                    .onMalformedInput(CodingErrorAction.REPORT)
                    .onUnmappableCharacter(CodingErrorAction.REPORT)
                    .decode(ByteBuffer.wrap(bytes)).toString();
        } catch (CharacterCodingException e) {
            return new String(bytes, StandardCharsets.ISO_8859_1);
        }
    }

    /** The ">" that closes a tag, outside quoted attribute values. */
    private static int tagEnd(String text, int from) {
        char quote = 0;
        for (int i = from; i < text.length(); i++) {
            char c = text.charAt(i);
            if (quote != 0) {
                if (c == quote) {
                    quote = 0;
                }
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '>') {
                return i;
            }
        }
        return text.length();
    }

    private static String tagName(String tag) {
        int end = 0;
        while (end < tag.length() && !Character.isWhitespace(tag.charAt(end))) {
            end++;
        }
        return tag.substring(0, end).toLowerCase(Locale.ROOT);
    }

    static Map<String, String> attributes(String tag) {
        Map<String, String> out = new LinkedHashMap<>();
        int i = tagName(tag).length();
        int n = tag.length();
        while (i < n) {
            while (i < n && (Character.isWhitespace(tag.charAt(i)) || tag.charAt(i) == '/')) {
                i++;
            }
            int start = i;
            while (i < n && !Character.isWhitespace(tag.charAt(i)) && tag.charAt(i) != '=') {
                i++;
            }
            String key = tag.substring(start, i).toLowerCase(Locale.ROOT);
            while (i < n && Character.isWhitespace(tag.charAt(i))) {
                i++;
            }
            String value = "";
            if (i < n && tag.charAt(i) == '=') {
                i++;
                while (i < n && Character.isWhitespace(tag.charAt(i))) {
                    i++;
                }
                if (i < n && (tag.charAt(i) == '"' || tag.charAt(i) == '\'')) {
                    char quote = tag.charAt(i++);
                    int end = tag.indexOf(quote, i);
                    end = end < 0 ? n : end;
                    value = tag.substring(i, end);
                    i = Math.min(n, end + 1);
                } else {
                    int valueStart = i;
                    while (i < n && !Character.isWhitespace(tag.charAt(i))) {
                        i++;
                    }
                    value = tag.substring(valueStart, i);
                }
            }
            if (!key.isEmpty()) {
                out.putIfAbsent(key, decodeReferences(value));
            }
        }
        return out;
    }

    /** The character references a browser decodes in attribute values. */
    static String decodeReferences(String value) {
        if (value.indexOf('&') < 0) {
            return value;
        }
        StringBuilder out = new StringBuilder();
        int i = 0;
        while (i < value.length()) {
            char c = value.charAt(i);
            int semi = c == '&' ? value.indexOf(';', i) : -1;
            if (semi > i + 1 && semi - i <= 10) {
                String ref = value.substring(i + 1, semi);
                String decoded = reference(ref);
                if (decoded != null) {
                    out.append(decoded);
                    i = semi + 1;
                    continue;
                }
            }
            out.append(c);
            i++;
        }
        return out.toString();
    }

    private static String reference(String ref) {
        switch (ref) {
        case "amp": return "&";
        case "lt": return "<";
        case "gt": return ">";
        case "quot": return "\"";
        case "apos": return "'";
        case "nbsp": return "\u00a0";
        default: break;
        }
        try {
            if (ref.startsWith("#x") || ref.startsWith("#X")) {
                return new String(Character.toChars(Integer.parseInt(ref.substring(2), 16)));
            }
            if (ref.startsWith("#")) {
                return new String(Character.toChars(Integer.parseInt(ref.substring(1))));
            }
        } catch (IllegalArgumentException e) {
            return null;
        }
        return null;
    }

    private static int number(String value, int fallback) {
        try {
            return value == null ? fallback : Integer.parseInt(value.trim());
        } catch (NumberFormatException e) {
            return fallback;
        }
    }
}
