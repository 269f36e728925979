import java.applet.AppletContext;
import java.applet.AppletStub;
import java.applet.AudioClip;
import java.awt.Color;
import java.awt.Font;
import java.awt.Graphics;
import java.awt.Image;
import java.awt.Rectangle;
import java.awt.image.ImageObserver;
import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.net.MalformedURLException;
import java.net.URL;
import java.nio.ByteBuffer;
import java.nio.charset.CharacterCodingException;
import java.nio.charset.Charset;
import java.nio.charset.CodingErrorAction;
import java.util.ArrayList;
import java.util.Hashtable;
import java.util.List;

/**
 * The settings of one menu applet as its page gives them in PARAM tags, the
 * tabs and trees its entries describe, and the applet's ties to the browser:
 * links, status bar, images and sounds. Everything goes through the applet
 * stub, so a test can supply the page's parameters without a browser.
 */
public class Beans {
    static final int TAB = 0;
    static final int TREE = 1;
    static final int TAB_TREE = 2;

    static final int FRAME_NONE = 0;
    static final int FRAME_RECT = 1;
    static final int FRAME_LINE = 2;

    final int kind;
    private final AppletStub stub;
    /** Images are not fetched: the page was written for visitors behind proxies. */
    final boolean proxy;

    final Font tabFont;
    final Color tabBack;
    final Color tabText;
    final Color tabOver;
    final Image tabBackImage;
    final boolean tabsOnBottom;
    final boolean tabsOnly;
    /** Tab active at start-up, -1 for none. */
    final int startTab;

    final Font treeFont;
    final Color treeBack;
    final Color treeText;
    final Color selBack;
    final Color selText;
    final Color tipBack;
    final Color tipText;
    final Color overText;
    final Color lineColor;
    final Color leafColor;
    final Color folderClosedColor;
    final Color folderOpenColor;
    final Color overFrameColor;
    final Image treeBackImage;
    final boolean border;
    final boolean tooltips;
    final boolean doubleClickExpand;
    final boolean startExpanded;
    final int overFrame;
    /** "X" none, "A" plus and minus, "B" to "F" the arrow styles. */
    final char toggleSymbol;
    final boolean leafSymbol;
    /** "X" none, "A" dotted, "B" solid. */
    final char lineStyle;
    final boolean icons;
    final Image folderClosedImage;
    final Image folderOpenImage;
    final Image leafImage;

    private final AudioClip clickSound;
    private final AudioClip overSound;

    /** One root per tab; a Tree applet has a single, invisible tab. */
    final List<TreeNode> tabs = new ArrayList<TreeNode>();
    /** Node entries that had no place in their tree. */
    int skippedEntries;
    private final Hashtable<String, Image> images = new Hashtable<String, Image>();

    Beans(AppletStub stub, int kind) {
        this.stub = stub;
        this.kind = kind;
        proxy = isYes(param("PROXY"));

        tabFont = font(param("TAB_FONT"));
        tabBack = color(param("TAB_BG"), Color.white);
        tabText = color(param("TAB_FG"), Color.black);
        tabOver = color(param("TAB_MOUSEOVER"), Color.red);
        tabBackImage = image(param("TAB_BG_IMAGE"));
        tabsOnBottom = isYes(param("TABONBOTTOM"));
        tabsOnly = kind == TAB || (kind == TAB_TREE && isYes(param("SHOWTABSONLY")));

        treeFont = font(treeParam("TREE_FONT", "FONT"));
        treeBack = color(treeParam("TREE_BG", "BACKGROUND"), Color.white);
        treeText = color(treeParam("TREE_FG", "FOREGROUND"), Color.black);
        selBack = color(treeParam("TREE_SEL_BG", "SELBACKGROUND"), Color.blue);
        selText = color(treeParam("TREE_SEL_FG", "SELFOREGROUND"), Color.white);
        tipBack = color(treeParam("TREE_TOOLTIPBACKCOLOR", "TOOLTIPBACKCOLOR"), Color.yellow);
        tipText = color(treeParam("TREE_TOOLTIPFORECOLOR", "TOOLTIPFORECOLOR"), Color.black);
        overText = color(treeParam("TREE_MOUSEOVER", "MOUSEOVER"), Color.red);
        lineColor = color(treeParam("TREE_LINECOLOR", "LINECOLOR"), Color.black);
        leafColor = color(treeParam("TREE_LEAFCOLOR", "LEAFCOLOR"), Color.black);
        folderClosedColor = color(treeParam("TREE_FOLDERCCOLOR", "FOLDERCCOLOR"), Color.black);
        folderOpenColor = color(treeParam("TREE_FOLDEROCOLOR", "FOLDEROCOLOR"), Color.black);
        overFrameColor = color(treeParam("TREE_MOUSEOVERFRAMECOLOR", "MOUSEOVERFRAMECOLOR"), Color.black);
        treeBackImage = image(treeParam("TREE_BG_IMAGE", "BACKGROUNDIMAGE"));
        border = isYes(treeParam("TREE_BORDER", "BORDER"));
        String tooltip = treeParam("TREE_TOOLTIP", "TOOLTIP");
        tooltips = tooltip == null || isYes(tooltip);
        doubleClickExpand = isYes(treeParam("TREE_DOUBLECLICK", "DOUBLECLICK"));
        startExpanded = isYes(treeParam("TREE_AUTOEXPAND", "AUTOEXPAND"));
        overFrame = frame(treeParam("TREE_MOUSEOVERFRAME", "MOUSEOVERFRAME"));

        String style = treeParam("TREE_STYLE", "STYLE");
        style = (style == null ? "AXAA" : style.trim().toUpperCase()) + "    ";
        char toggle = style.charAt(0);
        toggleSymbol = "XABCDEF".indexOf(toggle) >= 0 ? toggle : 'A';
        leafSymbol = style.charAt(1) == 'A';
        char line = style.charAt(2);
        lineStyle = line == 'B' || line == 'X' ? line : 'A';
        icons = style.charAt(3) != 'X' && !proxy;

        folderClosedImage = icons ? image(param("FOLDER_CLOSED")) : null;
        folderOpenImage = icons ? image(param("FOLDER_OPEN")) : null;
        leafImage = icons ? image(param("LEAF")) : null;

        clickSound = sound(param("MOUSECLICKSOUND"));
        overSound = sound(param("MOUSEOVERSOUND"));

        readTabs();
        startTab = startTab(param("TAB_DEFAULT"));
    }

    private void readTabs() {
        if (kind == TREE) {
            TreeNode tab = new TreeNode();
            tab.level = -1;
            tabs.add(tab);
            loadTree(0);
            return;
        }
        for (int i = 0;; i++) {
            String value = param("TAB" + i);
            if (value == null) {
                break;
            }
            TreeNode tab = TreeNode.parseTab(value);
            tabs.add(tab);
            if (kind == TAB_TREE && !tab.onDemand) {
                loadTree(i);
            }
        }
    }

    /**
     * Builds the tree of tab i, once, from its content file when the page
     * names one and from the node parameters otherwise.
     */
    void loadTree(int i) {
        TreeNode tab = tabs.get(i);
        if (tab.loaded || kind == TAB) {
            return;
        }
        tab.loaded = true;
        String content = kind == TREE ? param("CONTENT") : param("TAB" + i + "_CONTENT");
        String prefix = kind == TREE ? "I" : "T" + i + "I";
        List<String> entries = new ArrayList<String>();
        if (content != null && content.trim().length() > 0) {
            try {
                readLines(new URL(stub.getCodeBase(), content.trim()), entries);
            } catch (IOException e) {
                TreeNode missing = new TreeNode();
                missing.text = "Menu content not found: " + content.trim();
                tab.add(missing);
                return;
            }
        } else {
            for (int n = 0;; n++) {
                String value = param(prefix + n);
                if (value == null) {
                    break;
                }
                entries.add(value);
            }
        }
        skippedEntries += tab.addEntries(entries);
        List<TreeNode> nodes = tab.descendants();
        for (int n = 0; n < nodes.size(); n++) {
            TreeNode node = nodes.get(n);
            node.expanded = node.isFolder() && (startExpanded || node.openExpanded);
        }
    }

    /** Lines of a content file, one node entry each. */
    private static void readLines(URL url, List<String> lines) throws IOException {
        InputStream in = url.openStream();
        ByteArrayOutputStream bytes = new ByteArrayOutputStream();
        try {
            byte[] chunk = new byte[4096];
            for (int n; (n = in.read(chunk)) > 0;) {
                bytes.write(chunk, 0, n);
            }
        } finally {
            in.close();
        }
        String text = decode(bytes.toByteArray());
        if (text.startsWith("\uFEFF")) {
            text = text.substring(1);
        }
        String[] split = text.split("\r\n|\r|\n");
        for (int i = 0; i < split.length; i++) {
            if (split[i].trim().length() > 0) {
                lines.add(split[i]);
            }
        }
    }

    /** Pages and content files hold bytes: UTF-8 when they are valid UTF-8, else Latin-1. */
    static String decode(byte[] bytes) {
        try {
            return Charset.forName("UTF-8").newDecoder()
                    .onMalformedInput(CodingErrorAction.REPORT)
                    .onUnmappableCharacter(CodingErrorAction.REPORT)
                    .decode(ByteBuffer.wrap(bytes)).toString();
        } catch (CharacterCodingException e) {
            return new String(bytes, Charset.forName("ISO-8859-1"));
        }
    }

    String param(String name) {
        return stub.getParameter(name);
    }

    /** The Tab&Tree and the Tree applet name their tree settings differently; both are read. */
    private String treeParam(String tabTreeName, String treeName) {
        String first = kind == TREE ? treeName : tabTreeName;
        String second = kind == TREE ? tabTreeName : treeName;
        String value = param(first);
        return value != null ? value : param(second);
    }

    private int startTab(String value) {
        if (value == null) {
            return -1;
        }
        try {
            int index = Integer.parseInt(value.trim());
            return index >= 0 && index < tabs.size() ? index : -1;
        } catch (NumberFormatException e) {
            return -1;
        }
    }

    static boolean isYes(String value) {
        if (value == null) {
            return false;
        }
        String v = value.trim();
        return v.equalsIgnoreCase("yes") || v.equalsIgnoreCase("true") || v.equals("1");
    }

    static int frame(String value) {
        String v = value == null ? "" : value.trim();
        if (v.equalsIgnoreCase("rect")) {
            return FRAME_RECT;
        }
        return v.equalsIgnoreCase("line") ? FRAME_LINE : FRAME_NONE;
    }

    /** "255,255,0" is red, green and blue; anything else gives the fallback. */
    static Color color(String value, Color fallback) {
        if (value == null) {
            return fallback;
        }
        String[] parts = value.split(",");
        if (parts.length != 3) {
            return fallback;
        }
        int[] rgb = new int[3];
        try {
            for (int i = 0; i < 3; i++) {
                rgb[i] = Math.max(0, Math.min(255, Integer.parseInt(parts[i].trim())));
            }
        } catch (NumberFormatException e) {
            return fallback;
        }
        return new Color(rgb[0], rgb[1], rgb[2]);
    }

    /** "Arial; PLAIN;12": face, style and size in points. */
    static Font font(String value) {
        String[] p = TreeNode.split(value == null ? "" : value);
        String face = TreeNode.piece(p, 0);
        if (face.length() == 0) {
            face = "Arial";
        }
        String style = TreeNode.piece(p, 1).toUpperCase();
        int flags = Font.PLAIN;
        if (style.indexOf("BOLD") >= 0) {
            flags |= Font.BOLD;
        }
        if (style.indexOf("ITALIC") >= 0) {
            flags |= Font.ITALIC;
        }
        int size = 12;
        try {
            size = Integer.parseInt(TreeNode.piece(p, 2));
        } catch (NumberFormatException e) {
            // keep the default size
        }
        if (size < 4 || size > 200) {
            size = 12;
        }
        return new Font(face, flags, size);
    }

    /** An image named relative to the code base; the image prefix is part of the name. */
    Image image(String name) {
        if (proxy || name == null) {
            return null;
        }
        String key = name.trim();
        if (key.length() == 0 || key.equalsIgnoreCase("none")) {
            return null;
        }
        Image cached = images.get(key);
        if (cached != null) {
            return cached;
        }
        try {
            Image loaded = context().getImage(new URL(stub.getCodeBase(), key));
            if (loaded != null) {
                images.put(key, loaded);
            }
            return loaded;
        } catch (MalformedURLException e) {
            return null;
        }
    }

    /**
     * The icon a node shows now: its expanded image while it is open, its
     * collapsed image otherwise. "folder" and "leaf" stand for the default
     * images; a node without a piece takes the default for its kind.
     */
    Image icon(TreeNode node) {
        if (!icons || node.separator) {
            return null;
        }
        boolean open = node.expanded && node.isFolder();
        String piece = open ? node.expandedImage : node.collapsedImage;
        if (piece.length() == 0) {
            piece = node.isFolder() ? "folder" : "leaf";
        }
        if (piece.equalsIgnoreCase("folder")) {
            return open ? folderOpenImage : folderClosedImage;
        }
        if (piece.equalsIgnoreCase("leaf")) {
            return leafImage;
        }
        return image(piece);
    }

    private AudioClip sound(String name) {
        if (name == null || name.trim().length() == 0) {
            return null;
        }
        try {
            return context().getAudioClip(new URL(stub.getCodeBase(), name.trim()));
        } catch (MalformedURLException e) {
            return null;
        }
    }

    void playClick() {
        if (clickSound != null) {
            clickSound.play();
        }
    }

    void playOver() {
        if (overSound != null) {
            overSound.play();
        }
    }

    void status(String text) {
        AppletContext context = context();
        if (context != null) {
            context.showStatus(text);
        }
    }

    /** Opens a link in its target frame (the menu's own frame when none). Links are relative to
     *  the code base, as the authoring tool writes them. */
    void follow(String url, String target) {
        if (url.length() == 0) {
            return;
        }
        AppletContext context = context();
        if (context == null) {
            return;
        }
        URL address;
        try {
            address = new URL(stub.getCodeBase(), url);
        } catch (MalformedURLException e) {
            status("Cannot open " + url);
            return;
        }
        if (target.length() == 0) {
            context.showDocument(address);
        } else {
            context.showDocument(address, target);
        }
    }

    private AppletContext context() {
        return stub.getAppletContext();
    }

    /** Covers the rectangle with copies of the image, from its top left corner. */
    static void tile(Graphics g, Image image, Rectangle area, ImageObserver observer) {
        int w = image.getWidth(observer);
        int h = image.getHeight(observer);
        if (w <= 0 || h <= 0) {
            return;
        }
        Graphics clipped = g.create();
        clipped.clipRect(area.x, area.y, area.width, area.height);
        for (int y = area.y; y < area.y + area.height; y += h) {
            for (int x = area.x; x < area.x + area.width; x += w) {
                clipped.drawImage(image, x, y, observer);
            }
        }
        clipped.dispose();
    }

    /** A colour that stands out against the given one: darker on light, lighter on dark. */
    static Color contrast(Color c) {
        int brightness = (c.getRed() * 299 + c.getGreen() * 587 + c.getBlue() * 114) / 1000;
        return brightness > 110 ? mix(c, Color.black, 45) : mix(c, Color.white, 45);
    }

    /** Mixes percent of the second colour into the first. */
    static Color mix(Color a, Color b, int percent) {
        int keep = 100 - percent;
        return new Color((a.getRed() * keep + b.getRed() * percent) / 100,
                (a.getGreen() * keep + b.getGreen() * percent) / 100,
                (a.getBlue() * keep + b.getBlue() * percent) / 100);
    }
}
