import java.awt.image.BufferedImage;
import java.io.File;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.Locale;
import javax.imageio.ImageIO;

/**
 * Renders every menu page found under the given folders (themes, the
 * demonstration page, pages the program wrote) and sweeps it with the mouse:
 * each must build its menu, find every image it names and never throw.
 */
final class PageSweep {
    private PageSweep() {
    }

    /** Returns how many pages were found. */
    static int run(File shots, List<File> roots) throws IOException {
        List<File> pages = new ArrayList<>();
        for (File root : roots) {
            collect(root, pages);
        }
        Collections.sort(pages);
        for (File page : pages) {
            Check.scope = page.getPath();
            try {
                Probe p = Probe.open(page);
                BufferedImage first = Exercise.drive(p.panel, p.page.width, p.page.height);
                shots.mkdirs();
                ImageIO.write(first, "png", new File(shots, shotName(page, roots) + ".png"));
                Check.that(!p.beans.tabs.isEmpty(), "the menu has tabs");
                if (p.beans.kind != Beans.TAB) {
                    Check.that(!p.beans.tabs.get(0).descendants().isEmpty(), "the first tree has nodes");
                }
                Check.equal(0, p.beans.skippedEntries, "entries without a place");
                Check.equal("[]", p.context.missingImages.toString(), "images that could not be read");
            } catch (Exception e) {
                Check.fail("page threw", e);
            }
        }
        System.out.println("menu pages rendered: " + pages.size());
        return pages.size();
    }

    private static void collect(File file, List<File> pages) throws IOException {
        if (file.isDirectory()) {
            File[] children = file.listFiles();
            if (children != null) {
                for (File child : children) {
                    collect(child, pages);
                }
            }
            return;
        }
        String name = file.getName().toLowerCase(Locale.ROOT);
        if ((name.endsWith(".htm") || name.endsWith(".html")) && holdsMenu(file)) {
            pages.add(file);
        }
    }

    /** A page whose applet tag names one of the three menu applets. */
    private static boolean holdsMenu(File file) throws IOException {
        String text = new String(Files.readAllBytes(file.toPath()), StandardCharsets.ISO_8859_1)
                .toLowerCase(Locale.ROOT);
        return text.contains("<applet") && (text.contains("code=\"trelltabr.class\"")
                || text.contains("code=\"trelltreer.class\"") || text.contains("code=\"trelltabtreer.class\""));
    }

    private static String shotName(File page, List<File> roots) {
        String path = page.getAbsolutePath();
        for (File root : roots) {
            String prefix = root.getAbsoluteFile().getParent();
            if (prefix != null && path.startsWith(prefix + File.separator)) {
                path = path.substring(prefix.length() + 1);
                break;
            }
        }
        return path.replaceAll("\\.html?$", "").replaceAll("[^A-Za-z0-9_.-]", "_");
    }
}
