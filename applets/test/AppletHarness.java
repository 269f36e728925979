import java.awt.Color;
import java.awt.Point;
import java.awt.Rectangle;
import java.io.File;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/**
 * Runs the three menu applets headless on the sample pages: builds each
 * menu through a stub applet context, checks the tabs, nodes, levels and
 * images it read, drives it with the mouse, checks pixels of its rendering
 * and saves screenshots.
 *
 *   AppletHarness pages PAGES_DIR SITE_DIR SCREENSHOT_DIR
 *   AppletHarness archives JCLASS_DIR PAGES_DIR SITE_DIR
 *   AppletHarness sweep SCREENSHOT_DIR FOLDER_OR_PAGE...
 *   AppletHarness written SITE_DIR SCREENSHOT_DIR
 *   AppletHarness compare SNAPSHOT.png PAGE
 */
public final class AppletHarness {
    /** The exit status CTest counts as a skipped test. */
    static final int SKIPPED = 77;
    private static File site;
    private static File shots;

    private AppletHarness() {
    }

    public static void main(String[] args) throws Exception {
        String mode = args.length > 0 ? args[0] : "";
        if (mode.equals("pages") && args.length == 4) {
            pages(args);
        } else if (mode.equals("archives") && args.length == 4) {
            ArchiveCheck.run(new File(args[1]), SiteFixture.build(new File(args[2]), new File(args[3])));
            Check.finish("applet archives");
        } else if (mode.equals("written") && args.length == 3) {
            WrittenPages.run(new File(args[1]), new File(args[2]));
            Check.finish("pages written by quillon-cli");
        } else if (mode.equals("compare") && args.length == 3) {
            SnapshotCompare.run(new File(args[1]), new File(args[2]));
            Check.finish("runner snapshot");
        } else if (mode.equals("sweep") && args.length >= 3) {
            List<File> roots = new ArrayList<>();
            for (int i = 2; i < args.length; i++) {
                roots.add(new File(args[i]));
            }
            if (PageSweep.run(new File(args[1]), roots) == 0) {
                System.out.println("menu page sweep: no menu pages found");
                System.exit(SKIPPED);
            }
            Check.finish("menu page sweep");
        } else {
            System.err.println("usage: AppletHarness pages PAGES_DIR SITE_DIR SCREENSHOT_DIR\n"
                    + "       AppletHarness archives JCLASS_DIR PAGES_DIR SITE_DIR\n"
                    + "       AppletHarness sweep SCREENSHOT_DIR FOLDER_OR_PAGE...\n"
                    + "       AppletHarness written SITE_DIR SCREENSHOT_DIR\n"
                    + "       AppletHarness compare SNAPSHOT.png PAGE");
            System.exit(2);
        }
    }

    private static void pages(String[] args) throws Exception {
        site = SiteFixture.build(new File(args[1]), new File(args[2]));
        shots = new File(args[3]);
        ModelChecks.run();
        String[] cases = {"tab", "tab_bottom", "tree", "tree_content", "tabtree", "tabtree_content", "tabs_only",
            "no_tabs", "odd_tree"};
        for (String name : cases) {
            Check.scope = name;
            try {
                Probe p = Probe.open(new File(site, name + ".htm"));
                switch (name) {
                case "tab": tabPage(p); break;
                case "tab_bottom": tabBottomPage(p); break;
                case "tree": treePage(p); break;
                case "tree_content": treeContentPage(p); break;
                case "tabtree": tabTreePage(p); break;
                case "tabtree_content": tabTreeContentPage(p); break;
                case "tabs_only": tabsOnlyPage(p); break;
                case "no_tabs": noTabsPage(p); break;
                default: oddTreePage(p); break;
                }
                Check.equal("[]", p.context.missingImages.toString(), "images that could not be read");
            } catch (Exception | AssertionError e) {
                Check.fail("case threw", e);
            }
        }
        Check.finish("applet pages");
    }

    static List<String> captions(List<TreeNode> nodes) {
        List<String> out = new ArrayList<>();
        for (TreeNode n : nodes) {
            out.add(n.separator ? "---" : n.text);
        }
        return out;
    }

    static List<Integer> levels(List<TreeNode> nodes) {
        List<Integer> out = new ArrayList<>();
        for (TreeNode n : nodes) {
            out.add(n.level);
        }
        return out;
    }

    /** A point inside a tab, clear of its caption and outline. */
    static Point tabGround(Probe p, int index) {
        Rectangle r = p.panel.tabBounds.get(index);
        int edge = p.beans.tabsOnBottom ? r.y : r.y + r.height - 1;
        return new Point(r.x + 4, p.beans.tabsOnBottom ? edge + 3 : edge - 3);
    }

    static void tabPage(Probe p) throws Exception {
        Beans b = p.beans;
        Check.equal(Beans.TAB, b.kind, "kind");
        Check.equal(Arrays.asList("Home", "Products", "Support", "Contact"), captions(b.tabs), "tabs");
        Check.equal("", b.tabs.get(2).status, "\"None\" status reads as none");
        Check.equal("_top", b.tabs.get(2).target1, "target");
        Check.equal(1, p.panel.selected, "start-up tab");
        Check.equal("Serif", b.tabFont.getFamily(), "TimesRoman face");
        Check.equal(14, b.tabFont.getSize(), "tab font size");
        Check.equal(new Color(255, 255, 204), b.tabBack, "tab colour");

        p.render();
        p.save(shots, "tab");
        Check.equal(b.tabBack, p.pixel(tabGround(p, 1)), "chosen tab is drawn in the tab colour");
        Check.equal(b.tabBack, p.pixel(tabGround(p, 2)), "other tabs are drawn in the tab colour");
        Rectangle support = p.panel.tabBounds.get(2);
        Check.that(p.has(b.tabText, support) && !p.has(b.tabOver, support), "caption in the text colour");

        p.move(p.tab(0));
        Check.equal("Welcome home", p.context.lastStatus(), "status text of a tab");
        p.move(p.tab(2));
        Check.equal("", p.context.lastStatus(), "status text \"None\" shows nothing");
        Check.equal(2, p.context.playedSounds.size(), "over sound once per tab entered");
        Check.that(p.context.playedSounds.get(0).endsWith("/over.au"), "over sound from the code base");
        p.render();
        p.save(shots, "tab-hover");
        Check.that(p.has(b.tabOver, support), "caption under the mouse in the mouse-over colour");

        p.click(p.tab(0));
        Check.equal("index.htm main", p.lastLink(), "first link in its target");
        Check.equal(0, p.panel.selected, "clicked tab is chosen");
        Check.that(p.context.playedSounds.get(p.context.playedSounds.size() - 1).endsWith("/click.au"), "click sound");
        p.rightClick(p.tab(1));
        Check.equal("catalog.htm _blank", p.lastLink(), "right click follows the second link");
        p.click(p.tab(0));
        p.shiftClick(p.tab(1));
        Check.equal("catalog.htm _blank", p.lastLink(), "Shift-click follows the second link");
        p.click(p.tab(3));
        Check.equal("mailto:info@example.com _self", p.context.lastDocument(), "target \"None\" opens in the menu's frame");
        int before = p.documents();
        p.rightClick(p.tab(2));
        Check.equal(before, p.documents(), "second link \"None\" opens nothing");
    }

    static void tabBottomPage(Probe p) throws Exception {
        Beans b = p.beans;
        Check.equal(8, b.tabs.size(), "tabs");
        Check.equal(-1, p.panel.selected, "999: no start-up tab");
        p.render();
        p.save(shots, "tab_bottom");
        Check.equal(p.page.height - p.panel.strip.height, p.panel.strip.y, "strip at the bottom");
        Check.that(p.panel.right.visible && p.panel.left.visible, "scroll buttons when the tabs do not fit");
        Check.that(!p.panel.left.enabled && p.panel.right.enabled, "only the right button works at the start");
        Check.that(b.tabBackImage != null && p.has(SiteFixture.TAB_CHECK, p.panel.strip), "tab background image");

        Rectangle button = p.panel.right.bounds;
        p.click(new Point(button.x + 3, button.y + 3));
        Check.equal(1, p.panel.firstTab, "right button scrolls by one tab");
        Check.equal(0, p.panel.tabBounds.get(0).width, "first tab scrolled away");
        p.render();
        p.save(shots, "tab_bottom-scrolled");
        Rectangle leftButton = p.panel.left.bounds;
        p.click(new Point(leftButton.x + 3, leftButton.y + 3));
        Check.equal(0, p.panel.firstTab, "left button scrolls back");

        int before = p.documents();
        p.click(p.tab(0));
        Check.equal(0, p.panel.selected, "clicked tab is chosen");
        Check.equal(before, p.documents(), "link \"none\" opens nothing");
        p.click(p.tab(1));
        Check.equal("jan.htm main", p.lastLink(), "tab link");
    }

    static void treePage(Probe p) throws Exception {
        Beans b = p.beans;
        Check.equal(Beans.TREE, b.kind, "kind");
        Check.equal(1, b.tabs.size(), "a Tree applet has one invisible tab");
        List<TreeNode> all = b.tabs.get(0).descendants();
        Check.equal(Arrays.asList("Welcome", "---", "Products", "Garden tools", "Seeds", "Bulbs", "Tulips",
                "Daffodils", "About us", "History", "Contact"), captions(all), "nodes in page order");
        Check.equal(Arrays.asList(0, 0, 0, 1, 1, 1, 2, 2, 0, 1, 0), levels(all),
                "levels; a jump from 0 to 2 is one level deeper");
        Check.equal(1, b.skippedEntries, "an entry without a level is skipped");
        Check.equal("", all.get(5).url1, "\"None\" link reads as none");
        Check.equal("mailto:info@example.com", all.get(10).url2, "second link");
        Check.that(all.get(2).expanded && !all.get(5).expanded, "open-expanded node starts open, others closed");
        Check.equal(Arrays.asList("Welcome", "---", "Products", "Garden tools", "Seeds", "Bulbs", "About us",
                "Contact"), captions(p.tree().rows), "visible rows");
        Check.that(b.border && b.tooltips && !b.doubleClickExpand && !b.startExpanded, "tree flags");
        Check.equal("A", "" + b.toggleSymbol, "toggle symbol");
        Check.that(b.leafSymbol && b.lineStyle == 'A' && b.icons, "style letters AAAA");
        Check.equal(Beans.FRAME_RECT, b.overFrame, "mouse-over frame");

        Check.that(b.leafImage != null && b.leafImage.getWidth(null) == 16, "default leaf image loaded");
        Check.that(b.icon(all.get(0)) == b.leafImage, "\"leaf\" is the default leaf image");
        Check.that(b.icon(all.get(2)) == b.folderOpenImage, "an open \"folder\" shows the open image");
        Check.that(b.icon(all.get(8)) == b.folderClosedImage, "a closed \"folder\" shows the closed image");
        Check.that(b.icon(all.get(4)) != null && b.icon(all.get(4)) != b.leafImage, "a node's own image");

        p.render();
        p.save(shots, "tree");
        Check.equal(Color.white, p.pixel(p.page.width - 6, p.page.height - 6), "tree background");
        Check.equal(Beans.contrast(Color.white), p.pixel(0, 0), "border");
        Check.that(p.has(SiteFixture.LEAF, p.caption("Welcome").union(new Rectangle(0, p.row("Welcome").y, 60, 1))),
                "leaf icon drawn beside its caption");
        Check.that(p.has(SiteFixture.STAR), "own icon drawn");
        Check.that(p.has(SiteFixture.BOOK_OPEN) && p.has(SiteFixture.BOOK_CLOSED), "folder icons drawn");
        Check.that(p.has(b.leafColor), "leaf symbol drawn");
        Check.that(p.has(b.folderOpenColor) && p.has(b.folderClosedColor), "toggle symbols in their colours");

        p.click(p.row("Garden tools"));
        Check.equal("Garden tools", p.tree().selected.text, "click selects");
        Check.equal("tools.htm main", p.lastLink(), "click follows the first link");
        Check.that(p.context.playedSounds.get(p.context.playedSounds.size() - 1).endsWith("/click.au"), "click sound");
        p.rightClick(p.row("Garden tools"));
        Check.equal("tools-print.htm _blank", p.lastLink(), "right click follows the second link");
        p.render();
        Rectangle chosen = p.caption("Garden tools");
        Check.equal(b.selBack, p.pixel(chosen.x + 1, chosen.y + 1), "selection background");
        Check.that(p.has(b.selText, chosen), "selected caption in the selection text colour");

        p.move(p.row("Seeds"));
        Check.equal("Seeds of the season", p.context.lastStatus(), "status text of a node");
        p.fireTooltip();
        Check.equal("Seeds of the season", p.panel.tipText, "tooltip shows the status text");
        p.render();
        p.save(shots, "tree-hover");
        Rectangle seeds = p.caption("Seeds");
        Check.that(p.has(b.overText, seeds), "caption under the mouse in the mouse-over colour");
        Check.equal(b.overFrameColor, p.pixel(seeds.x, seeds.y), "mouse-over frame");
        Check.that(p.has(b.tipBack), "tooltip drawn");
        p.exit();
        Check.that(p.panel.tipText == null && p.tree().hover == null, "leaving hides the tooltip");

        p.move(p.row("About us"));
        p.fireTooltip();
        p.render();
        p.save(shots, "tree-long-tooltip");
        Check.that(p.has(b.tipBack), "long tooltip drawn");

        int before = p.documents();
        p.click(p.row("Bulbs"));
        Check.equal(before, p.documents(), "a node without a link opens nothing");
        Check.that(p.tree().rows.size() == 10, "a click on a folder's caption opens it");
        Point products = p.row("Products");
        p.click(new Point(p.tree().rowArea().x + 2 + 8, products.y));
        Check.equal(Arrays.asList("Welcome", "---", "Products", "About us", "Contact"), captions(p.tree().rows),
                "the toggle symbol closes a folder");
        p.render();
        p.save(shots, "tree-closed");
    }

    static void treeContentPage(Probe p) throws Exception {
        Beans b = p.beans;
        List<TreeNode> all = b.tabs.get(0).descendants();
        Check.equal(26, all.size(), "nodes from the content file");
        Check.equal("Chapter 1", all.get(0).text, "first node");
        Check.equal(0, all.get(0).level, "chapter level");
        Check.equal(1, all.get(1).level, "section level");
        Check.that(all.get(10).separator && all.get(10).level == 0, "separator beside the chapter after it");
        Check.that(b.proxy && !b.icons && b.icon(all.get(0)) == null, "proxy mode shows no icons");
        Check.equal(26, p.tree().rows.size(), "start expanded opens every folder");
        Check.equal("Serif", b.treeFont.getFamily(), "TimesRoman face");
        Check.that(b.toggleSymbol == 'C' && !b.leafSymbol && b.lineStyle == 'B', "style letters CXBX");

        p.render();
        p.save(shots, "tree_content");
        Check.equal(b.treeBack, p.pixel(p.page.width / 2, p.page.height - 3), "tree background");
        TreeView tree = p.tree();
        Check.that(tree.up.visible && tree.down.visible, "scroll buttons when the rows do not fit");
        Rectangle down = tree.down.bounds;
        p.click(new Point(down.x + 3, down.y + 3));
        Check.that(tree.scroll > 0, "down button scrolls");
        int scrolled = tree.scroll;
        p.wheel(new Point(50, 50), 2);
        Check.that(tree.scroll > scrolled, "mouse wheel scrolls");
        p.render();
        p.save(shots, "tree_content-scrolled");
        p.wheel(new Point(50, 50), -100);
        Check.equal(0, tree.scroll, "scrolling stops at the top");

        p.click(p.row("Chapter 1"));
        Check.that(all.get(0).expanded, "double-click mode: one click does not close a folder");
        Check.equal("chapter1.htm main", p.lastLink(), "one click follows the link");
        int before = p.documents();
        p.doubleClick(p.row("Chapter 1"));
        Check.that(!all.get(0).expanded, "double click closes the folder");
        Check.equal(before + 1, p.documents(), "a double click follows the link once");

        p.move(p.row("Chapter 2"));
        p.fireTooltip();
        Check.equal(null, p.panel.tipText, "no tooltip when tooltips are off");
        Check.equal("Chapter 2 of the guide", p.context.lastStatus(), "status text still shows");
        p.render();
        Check.that(p.has(b.overFrameColor, p.caption("Chapter 2")), "mouse-over underline");
    }

    static void tabTreePage(Probe p) throws Exception {
        Beans b = p.beans;
        Check.equal(Beans.TAB_TREE, b.kind, "kind");
        Check.equal(Arrays.asList("Garden", "Kitchen", "Archive"), captions(b.tabs), "tabs");
        Check.equal(0, p.panel.selected, "999 shows the first tab's tree");
        Check.that(b.tabs.get(0).loaded && b.tabs.get(1).loaded, "trees read at start");
        Check.that(b.tabs.get(2).onDemand && !b.tabs.get(2).loaded, "on-demand tree not read yet");
        List<TreeNode> garden = b.tabs.get(0).descendants();
        Check.equal(Arrays.asList("Tools", "Spades", "Rakes", "Plants", "Roses"), captions(garden), "tab 0 nodes");
        Check.equal(Arrays.asList(0, 1, 1, 0, 1), levels(garden), "tab 0 levels");
        Check.equal(Arrays.asList("Pans", "Knives"), captions(b.tabs.get(1).descendants()), "tab 1 nodes");
        Check.that(b.icon(garden.get(4)) != null && b.icon(garden.get(4)) != b.leafImage,
                "image prefix resolved against the code base");
        Check.that(b.toggleSymbol == 'B' && b.leafSymbol, "style letters BAAA");
        Check.equal(Beans.FRAME_NONE, b.overFrame, "no mouse-over frame parameter");

        p.render();
        p.save(shots, "tabtree");
        Check.equal(b.tabBack, p.pixel(tabGround(p, 0)), "chosen tab in the tab colour");
        Check.equal(b.treeBack, p.pixel(p.page.width - 4, p.page.height - 4), "tree background");
        Check.that(p.has(SiteFixture.BOOK_OPEN) && p.has(SiteFixture.BOOK_CLOSED) && p.has(SiteFixture.LEAF),
                "icons drawn");

        p.move(p.tab(1));
        Check.equal("", p.context.lastStatus(), "tab status \"None\"");
        p.click(p.tab(2));
        p.render();
        Check.that(b.tabs.get(2).loaded, "on-demand tree read when its tab is shown");
        Check.equal(Arrays.asList("2003"), captions(p.tree().rows), "the chosen tab's tree is shown");
        Check.equal("archive.htm main", p.lastLink(), "tab link");
        p.click(p.row("2003"));
        Check.equal(Arrays.asList("2003", "Spring"), captions(p.tree().rows), "folder opens");
        p.move(p.row("Spring"));
        p.render();
        p.save(shots, "tabtree-archive");
        Check.equal(b.tabBack, p.pixel(tabGround(p, 2)), "newly chosen tab in the tab colour");

        p.click(p.tab(0));
        Check.equal(Arrays.asList("Tools", "Spades", "Rakes", "Plants"), captions(p.tree().rows),
                "going back shows the first tree as it was");
        p.click(p.row("Spades"));
        p.render();
        Rectangle chosen = p.caption("Spades");
        Check.equal(b.selBack, p.pixel(chosen.x + 1, chosen.y + 1), "selection background");
    }

    static void tabTreeContentPage(Probe p) throws Exception {
        Beans b = p.beans;
        Check.equal(1, p.panel.selected, "start-up tab");
        Check.that(b.tabsOnBottom, "tabs on the bottom");
        Check.equal(Arrays.asList("Concerts", "Spring concert", "Summer concert", "Exhibitions", "Paintings"),
                captions(p.tree().rows), "content file read and every folder open");
        Check.equal(Arrays.asList("Today", "This week", "Caf\u00e9"), captions(b.tabs.get(0).descendants()),
                "tab 0 content, UTF-8");
        Check.that(b.tabs.get(2).descendants().get(0).text.startsWith("Menu content not found"),
                "a missing content file is named in the tree");
        Check.that(b.treeBackImage != null, "tree background image");
        Check.that(b.toggleSymbol == 'E' && !b.leafSymbol && b.lineStyle == 'X' && b.icons, "style letters EXXA");
        Check.equal(Beans.FRAME_LINE, b.overFrame, "mouse-over underline");

        p.render();
        p.save(shots, "tabtree_content");
        Check.that(!p.has(b.treeBack, p.panel.body), "background image covers the tree colour");
        Check.equal(b.tabBack, p.pixel(tabGround(p, 1)), "chosen tab in the tab colour");
        p.move(p.tab(0));
        p.render();
        Check.that(p.has(b.tabOver, p.panel.tabBounds.get(0)), "tab under the mouse in the mouse-over colour");
        p.click(p.tab(2));
        p.render();
        p.save(shots, "tabtree_content-missing");
    }

    static void tabsOnlyPage(Probe p) throws Exception {
        Beans b = p.beans;
        Check.that(b.tabsOnly, "show tabs only");
        Check.equal(null, p.tree(), "no tree is shown");
        p.render();
        p.save(shots, "tabs_only");
        Check.equal(b.tabBack, p.pixel(tabGround(p, 0)), "start-up tab in the tab colour");
        p.click(p.tab(1));
        Check.equal("shop.htm main", p.lastLink(), "tab link");
        Check.equal(1, p.panel.selected, "clicked tab is chosen");
    }

    /** A hand-edited Tab&Tree page without tab entries and with values that cannot be read. */
    static void noTabsPage(Probe p) throws Exception {
        Beans b = p.beans;
        Check.equal(0, b.tabs.size(), "no tabs");
        Check.equal(null, p.tree(), "no tree");
        Check.equal(-1, b.startTab, "start-up tab that is not a number");
        Check.that(b.tabBack.equals(Color.white) && b.treeBack.equals(Color.white), "unreadable colours take the defaults");
        Check.equal("Arial", b.tabFont.getName(), "empty font takes the default");
        Check.equal("A", "" + b.toggleSymbol, "unknown toggle letter");
        p.image = Exercise.drive(p.panel, p.page.width, p.page.height);
        p.save(shots, "no_tabs");
        Check.equal(Color.white, p.pixel(p.page.width / 2, p.page.height / 2), "empty body");
    }

    /** A hand-edited Tree page: odd levels, empty pieces, a gap in the entry numbers. */
    static void oddTreePage(Probe p) throws Exception {
        Beans b = p.beans;
        List<TreeNode> all = b.tabs.get(0).descendants();
        Check.equal(Arrays.asList("Deep", "", "Last"), captions(all), "entries up to the first gap");
        Check.equal(Arrays.asList(0, 0, 1), levels(all), "levels");
        Check.equal(1, b.skippedEntries, "a negative level is skipped");
        Check.equal(12, b.treeFont.getSize(), "size that is not a number");
        Check.that(b.toggleSymbol == 'A' && !b.leafSymbol && b.lineStyle == 'A', "short lower-case style");
        Check.equal(Beans.FRAME_NONE, b.overFrame, "unknown mouse-over frame");
        p.image = Exercise.drive(p.panel, p.page.width, p.page.height);
        p.save(shots, "odd_tree");
        Check.equal(Color.black, p.pixel(p.page.width - 3, p.page.height - 3), "tree background");
    }
}
