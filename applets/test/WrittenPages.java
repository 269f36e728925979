import java.awt.Color;
import java.io.File;
import java.net.URL;
import java.util.Arrays;
import java.util.List;

/**
 * Pages that quillon-cli wrote from the menus in test/menus, in the site
 * folder it filled: each applet must read back the menu the program wrote,
 * find every image and content file where the program put them, and run
 * from the class files the program copied, archive and loose alike.
 */
final class WrittenPages {
    private WrittenPages() {
    }

    private static File shots;

    static void run(File site, File screenshots) {
        shots = screenshots;
        String[] names = {"cli_tab", "cli_tree", "cli_tabtree", "cli_proxy"};
        for (String name : names) {
            Check.scope = name;
            try {
                Probe p = Probe.open(new File(site, name + ".htm"));
                p.render();
                p.save(shots, name);
                switch (name) {
                case "cli_tab": tab(p); break;
                case "cli_tree": tree(p); break;
                case "cli_tabtree": tabTree(p); break;
                default: proxy(p); break;
                }
                Check.equal("[]", p.context.missingImages.toString(), "images that could not be read");
                Check.equal(0, p.beans.skippedEntries, "entries without a place");
                String applet = p.page.code.replace(".class", "");
                URL codeBase = p.page.codeBase();
                ArchiveCheck.runFrom(new URL[] {new URL(codeBase, p.page.archive)}, applet, p.page,
                        "archive the program copied");
                ArchiveCheck.runFrom(new URL[] {codeBase}, applet, p.page, "class files the program copied");
            } catch (Exception | AssertionError e) {
                Check.fail("case threw", e);
            }
        }
    }

    private static void tab(Probe p) throws Exception {
        Beans b = p.beans;
        Check.equal(Arrays.asList("Home", "News", "Contact"), AppletHarness.captions(b.tabs), "tabs");
        Check.equal(-1, p.panel.selected, "no start-up tab");
        Check.that(b.tabsOnBottom, "tabs on the bottom");
        Check.equal("Serif", b.tabFont.getFamily(), "Times New Roman is written as TimesRoman");
        Check.equal(new Color(255, 255, 204), b.tabBack, "tab colour");
        Check.equal(new Color(0, 0, 128), b.tabText, "tab text colour");
        Check.equal(b.tabBack, p.pixel(AppletHarness.tabGround(p, 0)), "tab drawn in the tab colour");
        p.move(p.tab(0));
        Check.equal("Welcome", p.context.lastStatus(), "tab status");
        p.click(p.tab(1));
        Check.equal("news.htm _self", p.lastLink(), "empty target opens in the menu's frame");
        p.rightClick(p.tab(1));
        Check.equal("news-print.htm _blank", p.lastLink(), "second link");
        p.click(p.tab(2));
        Check.equal("contact.htm _top", p.lastLink(), "first link");
    }

    private static void tree(Probe p) throws Exception {
        Beans b = p.beans;
        Check.that(b.param("CONTENT") != null, "nodes in a content file");
        List<TreeNode> all = b.tabs.get(0).descendants();
        Check.equal(Arrays.asList("Start", "Guide", "Install", "Use", "Menus", "Reference", "Options"),
                AppletHarness.captions(all), "nodes");
        Check.equal(Arrays.asList(0, 0, 1, 1, 2, 0, 1), AppletHarness.levels(all), "levels");
        Check.equal(Arrays.asList("Start", "Guide", "Install", "Use", "Reference"),
                AppletHarness.captions(p.tree().rows), "open-expanded node starts open");
        Check.that(b.icon(all.get(2)) != null && b.icon(all.get(2)) != b.leafImage, "own icon under the image prefix");
        Check.that(b.icon(all.get(0)) == b.leafImage && b.leafImage != null, "default leaf icon");
        Check.that(b.toggleSymbol == 'D' && b.leafSymbol && b.lineStyle == 'B', "style letters");
        Check.equal(new Color(255, 255, 240), b.treeBack, "tree colour");
        Check.equal(b.treeBack, p.pixel(p.page.width - 3, p.page.height - 3), "tree background");
        p.click(p.row("Use"));
        Check.equal("use.htm _self", p.lastLink(), "node link");
        p.rightClick(p.row("Menus"));
        Check.equal("menus.pdf _blank", p.lastLink(), "second link of a node");
        p.render();
        p.save(shots, "cli_tree-open");
    }

    private static void tabTree(Probe p) throws Exception {
        Beans b = p.beans;
        Check.equal(Arrays.asList("Shop", "Service", "Empty"), AppletHarness.captions(b.tabs), "tabs");
        Check.equal(1, p.panel.selected, "start-up tab");
        Check.that(b.tabs.get(1).onDemand && b.tabs.get(1).loaded, "on-demand tab read once shown");
        Check.equal(Arrays.asList("Books", "Music", "Jazz"), AppletHarness.captions(b.tabs.get(0).descendants()),
                "first tab's nodes");
        Check.equal(Arrays.asList(0, 0, 1), AppletHarness.levels(b.tabs.get(0).descendants()), "levels");
        Check.that(b.border && b.treeBackImage != null, "border and tree background image");
        p.click(p.tab(2));
        Check.equal(0, p.tree().rows.size(), "a tab with an empty tree");
        p.render();
        p.move(p.tab(0));
        p.click(p.tab(0));
        p.click(p.row("Music"));
        Check.equal("music.htm _self", p.lastLink(), "node link");
        Check.equal(Arrays.asList("Books", "Music", "Jazz"), AppletHarness.captions(p.tree().rows), "folder opened");
    }

    private static void proxy(Probe p) throws Exception {
        Beans b = p.beans;
        Check.that(b.proxy && !b.icons, "proxy mode: no icons");
        Check.equal(Arrays.asList("Alpha", "Beta"), AppletHarness.captions(b.tabs.get(0).descendants()),
                "first tab's content file");
        p.click(p.tab(1));
        Check.equal(Arrays.asList("Gamma"), AppletHarness.captions(p.tree().rows), "second tab's content file");
        Check.equal(0, p.context.imagesRequested(), "no image is fetched in proxy mode");
    }
}
