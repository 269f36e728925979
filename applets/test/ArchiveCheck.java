import java.applet.AppletStub;
import java.awt.Panel;
import java.awt.image.BufferedImage;
import java.io.File;
import java.io.IOException;
import java.net.URL;
import java.net.URLClassLoader;
import java.nio.file.Files;
import java.nio.file.StandardCopyOption;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Collections;
import java.util.List;
import java.util.jar.JarEntry;
import java.util.jar.JarFile;
import quillon.runner.AppletPage;
import quillon.runner.PageContext;

/**
 * Checks the applet files of a program folder as a site receives them: each
 * archive holds its applet and the nine support classes, and each applet
 * runs from its archive alone and from the loose listed class files alone,
 * loaded apart from the harness's own copies of the classes.
 */
final class ArchiveCheck {
    static final List<String> SUPPORT = Arrays.asList("Beans", "Timer", "TreeView", "TreeNode",
            "InvalidTreeNodeException", "BaseTabbedPanel", "ButtonBase", "DirectionButton", "TabPanel");
    static final String[][] APPLETS = {
        {"TrellTabR", "tab.htm"}, {"TrellTreeR", "tree.htm"}, {"TrellTabTreeR", "tabtree.htm"}};

    private ArchiveCheck() {
    }

    static void run(File jclass, File site) throws Exception {
        File loose = new File(site, "loose-classes");
        loose.mkdirs();
        List<String> all = new ArrayList<>(SUPPORT);
        for (String[] applet : APPLETS) {
            all.add(applet[0]);
        }
        for (String name : all) {
            File from = new File(jclass, name + ".class");
            Check.that(from.isFile(), name + ".class in the program folder");
            if (from.isFile()) {
                Files.copy(from.toPath(), new File(loose, name + ".class").toPath(),
                        StandardCopyOption.REPLACE_EXISTING);
            }
        }
        for (String[] applet : APPLETS) {
            Check.scope = applet[0];
            File jar = new File(jclass, applet[0] + ".jar");
            List<String> expected = new ArrayList<>();
            expected.add(applet[0] + ".class");
            for (String name : SUPPORT) {
                expected.add(name + ".class");
            }
            Collections.sort(expected);
            try {
                Check.equal(expected, classesIn(jar), "classes in " + jar.getName());
            } catch (IOException e) {
                Check.fail("reading " + jar, e);
            }
            AppletPage page = AppletPage.read(new File(site, applet[1]));
            runFrom(new URL[] {jar.toURI().toURL()}, applet[0], page, "archive alone");
            runFrom(new URL[] {loose.toURI().toURL()}, applet[0], page, "loose class files alone");
        }
    }

    private static List<String> classesIn(File jar) throws IOException {
        List<String> names = new ArrayList<>();
        try (JarFile file = new JarFile(jar)) {
            for (JarEntry entry : Collections.list(file.entries())) {
                if (entry.getName().endsWith(".class")) {
                    names.add(entry.getName());
                }
            }
        }
        Collections.sort(names);
        return names;
    }

    /** Loads the applet with no parent loader but the JDK's, builds its menu for the page and sweeps it. */
    static void runFrom(URL[] path, String applet, AppletPage parsed, String how) {
        try (URLClassLoader loader = new URLClassLoader(path, null)) {
            Class<?> type = loader.loadClass(applet);
            Check.that(type.getClassLoader() == loader, applet + " comes from the " + how);
            Panel menu = (Panel) type.getMethod("createMenu", AppletStub.class)
                    .invoke(null, new PageContext(parsed));
            Check.that(menu.getClass().getClassLoader() == loader, "menu classes come from the " + how);
            BufferedImage image = Exercise.drive(menu, parsed.width, parsed.height);
            Check.that(image != null, applet + " renders from the " + how);
        } catch (Exception | LinkageError e) {
            Check.fail(applet + " from the " + how, e);
        }
    }
}
