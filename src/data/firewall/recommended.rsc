/ip firewall filter
add action=drop chain=input \
    comment="\B6\AA\C6\FA\B7\C7\B7\A8\C1\AC\BD\D3\CA\FD\BE\DD" \
    connection-state=invalid disabled=no
add action=drop chain=input \
    comment="\CF\DE\D6\C6\D7\DChttp\C1\AC\BD\D3\CA\FD\CE\AA20" \
    connection-limit=20,0 disabled=no dst-port=80 protocol=tcp
add action=drop chain=input \
    comment="\CC\BD\B2\E2\B2\A2\B6\AA\C6\FA\B6\CB\BF\DA\C9\A8\C3\E8\C1\AC\BD\
    \D3" disabled=no protocol=tcp psd=21,3s,3,1
add action=tarpit chain=input comment="\D1\B9\D6\C6DoS\B9\A5\BB\F7" \
    connection-limit=3,32 disabled=no protocol=tcp src-address-list=black_list
add action=add-src-to-address-list address-list=black_list \
    address-list-timeout=1d chain=input comment="\CC\BD\B2\E2DoS\B9\A5\BB\F7" \
    connection-limit=10,32 disabled=no protocol=tcp
add action=drop chain=input \
    comment="\B6\AA\C6\FA\B5\F4\B7\C7\B1\BE\B5\D8\CA\FD\BE\DD" disabled=no \
    dst-address-type=!local
add action=jump chain=input comment="\CC\F8\D7\AA\B5\BDICMP\C1\B4\B1\ED" \
    disabled=no jump-target=ICMP protocol=icmp
add action=accept chain=ICMP \
    comment="Ping\D3\A6\B4\F0\CF\DE\D6\C6\CE\AA\C3\BF\C3\EB5\B8\F6\B0\FC" \
    disabled=no icmp-options=0:0-255 limit=5,5 protocol=icmp
add action=accept chain=ICMP \
    comment="Traceroute\CF\DE\D6\C6\CE\AA\C3\BF\C3\EB5\B8\F6\B0\FC" \
    disabled=no icmp-options=3:3 limit=5,5 protocol=icmp
add action=accept chain=ICMP \
    comment="MTU\CF\DF\C2\B7\CC\BD\B2\E2\CF\DE\D6\C6\CE\AA\C3\BF\C3\EB5\B8\F6\
    \B0\FC" disabled=no icmp-options=3:4 limit=5,5 protocol=icmp
add action=accept chain=ICMP \
    comment="Ping\C7\EB\C7\F3\CF\DE\D6\C6\CE\AA\C3\BF\C3\EB5\B8\F6\B0\FC" \
    disabled=no icmp-options=8:0-255 limit=5,5 protocol=icmp
add action=accept chain=ICMP \
    comment="Trace\20TTL\CF\DE\D6\C6\CE\AA\C3\BF\C3\EB5\B8\F6\B0\FC" \
    disabled=no icmp-options=11:0-255 limit=5,5 protocol=icmp
add action=drop chain=ICMP \
    comment="\B6\AA\C6\FA\B5\F4\C8\CE\BA\CEICMP\CA\FD\BE\DD" disabled=no \
    protocol=icmp
add action=drop chain=forward \
    comment="\B6\AA\C6\FA\B7\C7\B7\A8\CA\FD\BE\DD\B0\FC" \
    connection-state=invalid disabled=no
add action=drop chain=forward \
    comment="\B6\AA\C6\FA\B5\F4\CB\F9\D3\D0\B7\C7\B5\A5\B2\A5\CA\FD\BE\DD" \
    disabled=no src-address-type=!unicast
add action=jump chain=forward comment="\CC\F8\D7\AA\B5\BDICMP\C1\B4\B1\ED" \
    disabled=no jump-target=ICMP protocol=icmp
add action=jump chain=forward \
    comment="\CC\F8\D7\AA\B5\BD\B2\A1\B6\BE\C1\B4\B1\ED" disabled=no \
    jump-target=virus
add action=drop chain=forward \
    comment="\CF\DE\D6\C6\C3\BF\B8\F6\D6\F7\BB\FATCP\C1\AC\BD\D3\CA\FD\CE\AA80\
    \CC\F5" connection-limit=80,32 disabled=no protocol=tcp
add action=accept chain=forward comment="\BD\D3\CA\DC\CB\F9\D3\D0\CA\FD\BE\DD" \
    disabled=no
add action=drop chain=virus comment=Backdoor.HackersParadise-1 disabled=no \
    dst-port=31 protocol=tcp
add action=drop chain=virus comment=DeepThroat.Trojan-1 disabled=no \
    dst-port=41 protocol=tcp
add action=drop chain=virus comment=W32.Korgo.A/B/C/D/E/F-1 disabled=no \
    dst-port=113 protocol=tcp
add action=drop chain=virus comment=Backdoor.HackersParadise-2 disabled=no \
    dst-port=456 protocol=tcp
add action=drop chain=virus comment=DeepThroat.Trojan-2 disabled=no \
    dst-port=999 protocol=tcp
add action=drop chain=virus comment=Backdoor.Silencer-1 disabled=no \
    dst-port=1001 protocol=tcp
add action=drop chain=virus comment=Backdoor.Doly-1 disabled=no dst-port=1011 \
    protocol=tcp
add action=drop chain=virus comment=Backdoor.Doly-2 disabled=no dst-port=1012 \
    protocol=tcp
add action=drop chain=virus comment=Backdoor.Doly-3 disabled=no dst-port=1015 \
    protocol=tcp
add action=drop chain=virus comment=Backdoor.Vampire-1 disabled=no \
    dst-port=1020 protocol=tcp
add action=drop chain=virus comment=Backdoor.Bla-1 disabled=no dst-port=1042 \
    protocol=tcp
add action=drop chain=virus comment=Backdoor.SubSeven-1 disabled=no \
    dst-port=1243 protocol=tcp
add action=drop chain=virus comment=Backdoor.Shockrave-1 disabled=no \
    dst-port=1981 protocol=tcp
add action=drop chain=virus comment=Backdoor.TrojanCow-1 disabled=no \
    dst-port=2001 protocol=tcp
add action=drop chain=virus comment=Backdoor.Ripper-1 disabled=no \
    dst-port=2023 protocol=tcp
add action=drop chain=virus comment=W32.Korgo.A/B/C/D/E/F-2 disabled=no \
    dst-port=2041 protocol=tcp
add action=drop chain=virus comment=DeepThroat.Trojan-3 disabled=no \
    dst-port=2140 protocol=udp
add action=drop chain=virus comment=W32.Dumaru-1 disabled=no dst-port=2283 \
    protocol=tcp
add action=drop chain=virus comment=Backdoor.Striker-1 disabled=no \
    dst-port=2565 protocol=tcp
add action=drop chain=virus comment=Backdoor.WinCrash-1 disabled=no \
    dst-port=2583 protocol=tcp
add action=drop chain=virus comment=W32.Beagle-1 disabled=no dst-port=2745 \
    protocol=tcp
add action=drop chain=virus comment=Backdoor.PhineasPhucker-1 disabled=no \
    dst-port=2801 protocol=tcp
add action=drop chain=virus comment=Backdoor.WinCrash-2 disabled=no \
    dst-port=3024 protocol=tcp
add action=drop chain=virus comment=W32.Korgo.A/B/C/D/E/F-3 disabled=no \
    dst-port=3067 protocol=tcp
add action=drop chain=virus comment=W32.Mydoom.A-1 disabled=no dst-port=3127 \
    protocol=tcp
add action=drop chain=virus comment=Backdoor.MastersParadise-1 disabled=no \
    dst-port=3129 protocol=tcp
add action=drop chain=virus comment=DeepThroat.Trojan-4 disabled=no \
    dst-port=3150 protocol=udp
add action=drop chain=virus comment=Backdoor.OptixPro-1 disabled=no \
    dst-port=3410 protocol=tcp
add action=drop chain=virus comment=Backdoor.PortalOfDoom-1 disabled=no \
    dst-port=3700 protocol=tcp
add action=drop chain=virus comment=Backdoor.WinCrash-3 disabled=no \
    dst-port=4092 protocol=tcp
add action=drop chain=virus comment=W32.Blaster.Worm-1 disabled=no \
    dst-port=4444 protocol=tcp
add action=drop chain=virus comment=Backdoor.ICQTrojan-1 disabled=no \
    dst-port=4950 protocol=tcp
add action=drop chain=virus comment=Backdoor.Firehotcker-1 disabled=no \
    dst-port=5321 protocol=tcp
add action=drop chain=virus comment=Backdoor.BladeRunner-1 disabled=no \
    dst-port=5400 protocol=tcp
add action=drop chain=virus comment=Backdoor.BladeRunner-2 disabled=no \
    dst-port=5401 protocol=tcp
add action=drop chain=virus comment=Backdoor.BladeRunner-3 disabled=no \
    dst-port=5402 protocol=tcp
add action=drop chain=virus comment=Backdoor.Xtcp-1 disabled=no dst-port=5550 \
    protocol=tcp
add action=drop chain=virus comment=W32.Sasser.Worm-1 disabled=no \
    dst-port=5554 protocol=tcp
add action=drop chain=virus comment=Backdoor.RoboHack-1 disabled=no \
    dst-port=5569 protocol=tcp
add action=drop chain=virus comment=Backdoor.WinCrash-4 disabled=no \
    dst-port=5742 protocol=tcp
add action=drop chain=virus comment=Backdoor.TheThing-1 disabled=no \
    dst-port=6400 protocol=tcp
add action=drop chain=virus comment=DeepThroat.Trojan-5 disabled=no \
    dst-port=6670 protocol=tcp
add action=drop chain=virus comment=Backdoor.SubSeven-2 disabled=no \
    dst-port=6711 protocol=tcp
add action=drop chain=virus comment=Backdoor.SubSeven-3 disabled=no \
    dst-port=6712 protocol=tcp
add action=drop chain=virus comment=Backdoor.SubSeven-4 disabled=no \
    dst-port=6713 protocol=tcp
add action=drop chain=virus comment=DDoS.Mstream-1 disabled=no dst-port=6723 \
    protocol=tcp
add action=drop chain=virus comment=DeepThroat.Trojan-6 disabled=no \
    dst-port=6771 protocol=tcp
add action=drop chain=virus comment=Backdoor.SubSeven-5 disabled=no \
    dst-port=6776 protocol=tcp
add action=drop chain=virus comment=W32.Beagle.A-1 disabled=no dst-port=6777 \
    protocol=tcp
add action=drop chain=virus comment=Backdoor.GateCrasher-1 disabled=no \
    dst-port=6970 protocol=tcp
add action=drop chain=virus comment=Backdoor.NetMonitor-1 disabled=no \
    dst-port=7300 protocol=tcp
add action=drop chain=virus comment=Backdoor.NetMonitor-2 disabled=no \
    dst-port=7301 protocol=tcp
add action=drop chain=virus comment=Backdoor.NetMonitor-3 disabled=no \
    dst-port=7306 protocol=tcp
add action=drop chain=virus comment=Backdoor.NetMonitor-4 disabled=no \
    dst-port=7307 protocol=tcp
add action=drop chain=virus comment=Backdoor.NetMonitor-5 disabled=no \
    dst-port=7308 protocol=tcp
add action=drop chain=virus comment=W32.Beagle.B-1 disabled=no dst-port=8866 \
    protocol=tcp
add action=drop chain=virus comment=Backdoor.PortalOfDoom-2 disabled=no \
    dst-port=9872 protocol=tcp
add action=drop chain=virus comment=Backdoor.PortalOfDoom-3 disabled=no \
    dst-port=9873 protocol=tcp
add action=drop chain=virus comment=Backdoor.PortalOfDoom-4 disabled=no \
    dst-port=9874 protocol=tcp
add action=drop chain=virus comment=Backdoor.PortalOfDoom-5 disabled=no \
    dst-port=9875 protocol=tcp
add action=drop chain=virus comment=W32.Dabber-1 disabled=no dst-port=9898 \
    protocol=tcp
add action=drop chain=virus comment=Backdoor.IniKiller-1 disabled=no \
    dst-port=9989 protocol=tcp
add action=drop chain=virus comment=W32.Sasser.Worm-2 disabled=no \
    dst-port=9996 protocol=tcp
add action=drop chain=virus comment=Backdoor.PortalOfDoom-6 disabled=no \
    dst-port=10067 protocol=tcp
add action=drop chain=virus comment=Backdoor.PortalOfDoom-7 disabled=no \
    dst-port=10167 protocol=tcp
add action=drop chain=virus comment=Backdoor.NetBus-1 disabled=no \
    dst-port=12345 protocol=tcp
add action=drop chain=virus comment=Backdoor.NetBus-2 disabled=no \
    dst-port=12346 protocol=tcp
add action=drop chain=virus comment=Backdoor.Bionet-1 disabled=no \
    dst-port=12348 protocol=tcp
add action=drop chain=virus comment=Backdoor.Bionet-2 disabled=no \
    dst-port=12349 protocol=tcp
add action=drop chain=virus comment=Backdoor.WhackAMole-1 disabled=no \
    dst-port=12361 protocol=tcp
add action=drop chain=virus comment=Backdoor.WhackAMole-2 disabled=no \
    dst-port=12362 protocol=tcp
add action=drop chain=virus comment=DDoS.Mstream-2 disabled=no dst-port=15104 \
    protocol=tcp
add action=drop chain=virus comment=DDoS.Stacheldraht-1 disabled=no \
    dst-port=16660 protocol=tcp
add action=drop chain=virus comment=Backdoor.Priority-1 disabled=no \
    dst-port=16969 protocol=tcp
add action=drop chain=virus comment=Backdoor.Kuang2-1 disabled=no \
    dst-port=17300 protocol=tcp
add action=drop chain=virus comment=Backdoor.Millennium-1 disabled=no \
    dst-port=20001 protocol=tcp
add action=drop chain=virus comment=Backdoor.NetBus.Pro-1 disabled=no \
    dst-port=20034 protocol=tcp
add action=drop chain=virus comment=Backdoor.Bla-2 disabled=no dst-port=20331 \
    protocol=tcp
add action=drop chain=virus comment=DDoS.Shaft-1 disabled=no dst-port=20432 \
    protocol=tcp
add action=drop chain=virus comment=Backdoor.GirlFriend-1 disabled=no \
    dst-port=21544 protocol=tcp
add action=drop chain=virus comment=Backdoor.GirlFriend-2 disabled=no \
    dst-port=21554 protocol=tcp
add action=drop chain=virus comment=Backdoor.Prosiak-1 disabled=no \
    dst-port=22222 protocol=tcp
add action=drop chain=virus comment=Backdoor.EvilFTP-1 disabled=no \
    dst-port=23456 protocol=tcp
add action=drop chain=virus comment=Backdoor.DonaldDick-1 disabled=no \
    dst-port=23476 protocol=tcp
add action=drop chain=virus comment=Backdoor.DonaldDick-2 disabled=no \
    dst-port=23477 protocol=tcp
add action=drop chain=virus comment=Backdoor.SubSeven-6 disabled=no \
    dst-port=27374 protocol=tcp
add action=drop chain=virus comment=DDoS.Trinoo-1 disabled=no dst-port=27665 \
    protocol=tcp
add action=drop chain=virus comment=Backdoor.NetSphere-1 disabled=no \
    dst-port=30100 protocol=tcp
add action=drop chain=virus comment=Backdoor.NetSphere-2 disabled=no \
    dst-port=30101 protocol=tcp
add action=drop chain=virus comment=Backdoor.NetSphere-3 disabled=no \
    dst-port=30102 protocol=tcp
add action=drop chain=virus comment=Backdoor.BackOrifice-1 disabled=no \
    dst-port=31337 protocol=udp
add action=drop chain=virus comment=Backdoor.HackaTack-1 disabled=no \
    dst-port=31785 protocol=tcp
add action=drop chain=virus comment=Backdoor.HackaTack-2 disabled=no \
    dst-port=31787 protocol=tcp
add action=drop chain=virus comment=Backdoor.HackaTack-3 disabled=no \
    dst-port=31788 protocol=tcp
add action=drop chain=virus comment=Backdoor.HackaTack-4 disabled=no \
    dst-port=31790 protocol=tcp
add action=drop chain=virus comment=Backdoor.HackaTack-5 disabled=no \
    dst-port=31792 protocol=tcp
add action=drop chain=virus comment=Backdoor.AcidBattery-1 disabled=no \
    dst-port=32418 protocol=tcp
add action=drop chain=virus comment=Backdoor.Prosiak-2 disabled=no \
    dst-port=33333 protocol=tcp
add action=drop chain=virus comment=Backdoor.TinyTelnetServer-1 disabled=no \
    dst-port=34324 protocol=tcp
add action=drop chain=virus comment=W32.Bugbear-1 disabled=no dst-port=36794 \
    protocol=tcp
add action=drop chain=virus comment=Backdoor.TheSpy-1 disabled=no \
    dst-port=40412 protocol=tcp
add action=drop chain=virus comment=Backdoor.MastersParadise-2 disabled=no \
    dst-port=40421 protocol=tcp
add action=drop chain=virus comment=Backdoor.MastersParadise-3 disabled=no \
    dst-port=40422 protocol=tcp
add action=drop chain=virus comment=Backdoor.MastersParadise-4 disabled=no \
    dst-port=40423 protocol=tcp
add action=drop chain=virus comment=Backdoor.MastersParadise-5 disabled=no \
    dst-port=40426 protocol=tcp
add action=drop chain=virus comment=Backdoor.SocketsDeTroie-1 disabled=no \
    dst-port=50505 protocol=tcp
add action=drop chain=virus comment=Backdoor.Schwindler-1 disabled=no \
    dst-port=50766 protocol=tcp
add action=drop chain=virus comment=Backdoor.RemoteWindowsShutdown-1 \
    disabled=no dst-port=53001 protocol=tcp
add action=drop chain=virus comment=Backdoor.BO2K-1 disabled=no dst-port=54320 \
    protocol=tcp
add action=drop chain=virus comment=Backdoor.BO2K-2 disabled=no dst-port=54321 \
    protocol=tcp
add action=drop chain=virus comment=Backdoor.Telecommando-1 disabled=no \
    dst-port=61466 protocol=tcp
add action=drop chain=virus comment=DDoS.Stacheldraht-2 disabled=no \
    dst-port=65000 protocol=tcp
add action=drop chain=virus comment="Drop Blaster Worm" disabled=no \
    dst-port=139 protocol=tcp
add action=drop chain=virus comment="Drop Blaster Worm" disabled=no \
    dst-port=135 protocol=tcp
add action=drop chain=virus comment="Drop Blaster Worm" disabled=no \
    dst-port=445 protocol=tcp